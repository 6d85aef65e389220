// The anchor of the start-up benchmark: a bare Qt window of the main window's
// size, shown as soon as the application object exists.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(695, 454); // the main window's 10425 x 6810 twips
    window.show();
    return app.exec();
}
