#pragma once

// Stand-ins for the shell's reporter and progress window that record what the
// code under test tells the user.

#include "desktop/Reporter.h"
#include "transfer/Progress.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace testsupport
{

class RecordingReporter : public veldra::desktop::Reporter
{
public:
    struct Box {
        QString text;
        veldra::desktop::MsgBoxStyle style;
        QString title; // as the box shows it
    };

    void MsgBox(const QString &text, veldra::desktop::MsgBoxStyle style, const QString &title) override
    {
        boxes.append({text, style, veldra::desktop::ShownTitle(title)});
        if (onBox)
            onBox(boxes.last());
    }

    QList<Box> boxes;
    // Runs while the box would be up, as a user answering it.
    std::function<void(const Box &)> onBox;
};

// Records every call as a line: "show <caption>|<status>|<showStatus>|<showBar>",
// "value <n>", "max <n>", "status <text>", "close".
class RecordingProgress : public veldra::transfer::Progress
{
public:
    void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar) override
    {
        calls.append(QStringLiteral("show %1|%2|%3|%4").arg(caption, status).arg(showStatus).arg(showBar));
    }
    void setValue(int value) override { calls.append(QStringLiteral("value %1").arg(value)); }
    void setMaximum(int maximum) override { calls.append(QStringLiteral("max %1").arg(maximum)); }
    void setStatus(const QString &text, bool) override { calls.append(QStringLiteral("status ") + text); }
    void close() override { calls.append(QStringLiteral("close")); }

    QStringList calls;
};

} // namespace testsupport
