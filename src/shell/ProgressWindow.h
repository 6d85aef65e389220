#pragma once

#include "shell/Form2.h"
#include "shell/WindowSlot.h"
#include "transfer/Progress.h"

#include <functional>

class QIcon;
class QWidget;

namespace veldra::shell
{

// The progress display of the main window: shows the progress window Form2,
// owned by `owner`, creating it whenever it is needed and it is not there.
class ProgressWindow : public transfer::Progress
{
public:
    explicit ProgressWindow(QWidget *owner);

    // The window, loaded (hidden) when it does not exist.
    Form2 &load();
    Form2 *existing() const { return m_form2.existing(); }

    void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar) override;
    void setValue(int value) override;
    void setMaximum(int maximum) override;
    void setStatus(const QString &text, bool repaintNow = false) override;
    void close() override;

    // Whether Cancel can be pressed, in this window and the ones that follow,
    // and what pressing it does.
    void setCancelEnabled(bool enabled);
    void setCancelHandler(std::function<void()> handler);

private:
    QWidget *m_owner;
    WindowSlot<Form2> m_form2;
    bool m_cancelEnabled = false;
    std::function<void()> m_cancel;
};

} // namespace veldra::shell
