#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veldra::settings
{

// What the command line asks for. It is read before any window or display
// exists, so that --help, --version and a refusal work anywhere.
struct CommandLine {
    enum class Action {
        Run,     // start the program
        Help,    // print `text` (the options) and end
        Version, // print `text` (name and version) and end
        Refuse,  // print `text` (one line, the reason) as an error and end
    };
    Action action = Action::Run;
    QString text;
    std::optional<QString> server; // --server URL
    // The window system's own options, which the application object takes
    // later; the display check needs them now.
    QString platform; // -platform NAME
    QString display;  // -display NAME
};

// Reads the arguments (the program's name first). The version line uses the
// application's name and version.
CommandLine ParseCommandLine(const QStringList &arguments);

} // namespace veldra::settings
