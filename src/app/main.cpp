#include "desktop/Display.h"
#include "desktop/FontWarmUp.h"
#include "desktop/ImageList.h"
#include "desktop/Memory.h"
#include "desktop/MessageBox.h"
#include "desktop/StylePixmaps.h"
#include "desktop/Translations.h"
#include "settings/CommandLine.h"
#include "settings/Module1.h"
#include "settings/ServerUrl.h"
#include "shell/DesktopReporter.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QProcessEnvironment>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace
{

void PrintLine(std::FILE *stream, const QString &text)
{
    std::fputs(qUtf8Printable(text), stream);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
    std::fflush(stream);
}

// While the application object connects to the display: a display that is
// named but cannot be reached ends the program with one line and status 1,
// where Qt would abort. Other messages go out as Qt would write them.
void ConnectingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // The application object is still being made and has no catalogue yet.
        PrintLine(stderr, veldra::desktop::Translations::now(
                              "main", QT_TRANSLATE_NOOP("main", "veldra: cannot start without a display: the "
                                                                "window system cannot be reached")));
        std::exit(1);
    }
    PrintLine(stderr, qFormatLogMessage(type, context, message));
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace veldra;
    // Name and version first: the command line's version line uses them.
    QCoreApplication::setApplicationName(QStringLiteral("Veldra"));
    QCoreApplication::setOrganizationName(QStringLiteral("Veldra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELDRA_VERSION_STRING));

    desktop::Translations translations;
    // Everything up to the display check works without a display. Its texts
    // are translated, which takes an application object: one without windows,
    // gone again before the window system's own is made.
    std::optional<Result<QString>> library;
    {
        int coreArgc = argc;
        std::vector<char *> coreArgv(argv, argv + argc + 1);
        const QCoreApplication core(coreArgc, coreArgv.data());
        translations.install();
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        const settings::CommandLine options = settings::ParseCommandLine(arguments);
        switch (options.action) {
        case settings::CommandLine::Action::Help:
        case settings::CommandLine::Action::Version:
            PrintLine(stdout, options.text);
            return 0;
        case settings::CommandLine::Action::Refuse:
            PrintLine(stderr, options.text);
            return 1;
        case settings::CommandLine::Action::Run:
            break;
        }
        library = settings::ChooseLibraryUrl(options.server);
        if (!*library)
            PrintLine(stderr, QStringLiteral("veldra: ") + library->error());
        if (const QString missing =
                desktop::MissingDisplay(options.platform, options.display, QProcessEnvironment::systemEnvironment());
            !missing.isEmpty()) {
            if (*library)
                PrintLine(
                    stderr,
                    QCoreApplication::translate("main", "veldra: cannot start without a display: %1").arg(missing));
            return 1;
        }
    }

    desktop::KeepLargeBuffersApart();
    desktop::FontWarmUp fonts;
    qInstallMessageHandler(ConnectingHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    translations.install();
    fonts.finish();
    desktop::WarmStylePixmaps();
    if (!*library) {
        // Started from the desktop's menu, nobody reads the error output: the
        // refused address is shown in a box as well.
        desktop::MsgBox(library->error(), desktop::MsgBoxStyle::Critical, shell::ErrorTitle(QStringLiteral("Veldra")));
        return 1;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.veldra.Veldra"));
    QApplication::setWindowIcon(desktop::AppIcon());

    // The shared state and the windows live until the event loop has ended.
    settings::Module1 state(QString(), library->value());
    shell::DesktopReporter reporter;
    shell::Form1 main(state, reporter, shell::Form1::Controls::AfterProgressShows);
    main.Form_Load();
    main.show();
    if (QWidget *tree = main.findChild<QWidget *>(QStringLiteral("TV")))
        tree->setFocus();
    return app.exec();
}
