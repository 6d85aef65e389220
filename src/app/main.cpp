#include "platform/ImageList.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    using namespace veldra;
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

    // The shared state and the windows live until the event loop has ended.
    settings::Module1 state;
    shell::DesktopReporter reporter;
    shell::Form1 main(state, reporter);
    main.Form_Load();
    main.show();
    if (QWidget *tree = main.findChild<QWidget *>(QStringLiteral("TV")))
        tree->setFocus();
    return app.exec();
}
