#pragma once

// The main window with the state and reporter it needs, as main sets them up,
// for tests that drive it in-process.

#include "settings/Module1.h"
#include "shell/Form1.h"
#include "support/Recorders.h"
#include "support/Widgets.h"

#include <QTemporaryDir>

#include <memory>

namespace testsupport
{

struct MainWindow {
    // `exeDir` stands in for the executable's folder, `serverUrl` for the
    // library folder on the server, `cacheDir` for the user's cache of offline
    // copies (a fresh empty folder when none is given, never the real one).
    explicit MainWindow(const QString &exeDir = QString(), const QString &serverUrl = QString(),
                        const QString &cacheDir = QString(),
                        veldra::shell::Form1::Controls controls = veldra::shell::Form1::Controls::Now)
        : state(exeDir, serverUrl, cacheDir.isEmpty() ? cache.path() + QStringLiteral("/Veldra/") : cacheDir)
        , form(std::make_unique<veldra::shell::Form1>(state, reporter, controls))
    {
    }

    template <typename W> W *child(const char *name) const { return Child<W>(form.get(), name); }

    QTemporaryDir cache;
    veldra::settings::Module1 state;
    RecordingReporter reporter;
    std::unique_ptr<veldra::shell::Form1> form;
};

} // namespace testsupport
