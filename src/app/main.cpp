#include "platform/ImageList.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.veldra.Veldra"));
    QApplication::setOrganizationName(QStringLiteral("Veldra"));
    QApplication::setApplicationVersion(QStringLiteral(VELDRA_VERSION_STRING));
    QApplication::setWindowIcon(platform::AppIcon());

    Form1 *main = Form1::Get();
    main->Form_Load();
    main->show();
    main->TV->setFocus();
    return app.exec();
}
