#include "platform/ImageList.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QFont>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.veldra.Veldra"));
    QApplication::setOrganizationName(QStringLiteral("Veldra"));
    QApplication::setApplicationVersion(QStringLiteral(VELDRA_VERSION_STRING));
    QApplication::setWindowIcon(platform::AppIcon());
    // The window is laid out to the pixel for an 8-point interface font.
    QFont font = QApplication::font();
    if (font.pointSizeF() > 8.25) {
        font.setPointSizeF(8.25);
        QApplication::setFont(font);
    }

    Form1 *main = Form1::Get();
    main->Form_Load();
    main->show();
    main->TV->setFocus();
    return app.exec();
}
