#include "settings/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace veldra::settings
{

namespace
{

QCommandLineOption Hidden(QCommandLineOption option)
{
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// The options Qt's application object reads (and removes) itself. They are
// known here only so that they are not refused; the program does not use them.
void AddWindowSystemOptions(QCommandLineParser &parser)
{
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "session", "display", "geometry", "title", "name", "style", "stylesheet"})
        parser.addOption(Hidden(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"))));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(Hidden(QCommandLineOption(QLatin1String(name))));
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("veldra") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    // Qt's own options come with one dash ("-platform xcb"), as they always have.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "settings", "Searches and reads the FAQ library that a web server publishes in /software/corvane/."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("settings", "Print this summary of the options and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("settings", "Print the program's name and version and exit."));
    const QCommandLineOption server(
        QStringLiteral("server"),
        QCoreApplication::translate("settings",
                                    "Use the library on the server at <URL> (http or https, for example "
                                    "https://faq.example.org/) instead of the one the program was built for."),
        QStringLiteral("URL"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(server);
    AddWindowSystemOptions(parser);

    CommandLine result;
    const auto refuse = [&](const QString &why) {
        result.action = CommandLine::Action::Refuse;
        result.text = QCoreApplication::translate("settings", "%1: %2 (%1 --help lists the options)").arg(program, why);
        return result;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // The parser names the program only once an application object exists,
        // and then by its full path; the usage line names it as it was called.
        const QString text = parser.helpText();
        result.text = QCoreApplication::translate("settings", "Usage: %1 [options]").arg(program) +
                      text.mid(text.indexOf(QLatin1Char('\n')));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion();
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("settings", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(server))
        result.server = parser.value(server);
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));
    return result;
}

} // namespace veldra::settings
