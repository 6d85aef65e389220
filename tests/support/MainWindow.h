#pragma once

// The main window with the state and reporter it needs, as main sets them up,
// for tests that drive it in-process.

#include "settings/Module1.h"
#include "shell/Form1.h"
#include "support/Recorders.h"
#include "support/Widgets.h"

#include <memory>

namespace testsupport
{

struct MainWindow {
    // `exeDir` stands in for the executable's folder, `serverUrl` for the
    // library folder on the server.
    explicit MainWindow(const QString &exeDir = QString(), const QString &serverUrl = QString())
        : state(exeDir, serverUrl)
        , form(std::make_unique<veldra::shell::Form1>(state, reporter))
    {
    }

    template <typename W> W *child(const char *name) const { return Child<W>(form.get(), name); }

    veldra::settings::Module1 state;
    RecordingReporter reporter;
    std::unique_ptr<veldra::shell::Form1> form;
};

} // namespace testsupport
