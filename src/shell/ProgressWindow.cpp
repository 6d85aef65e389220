#include "shell/ProgressWindow.h"

#include "shell/Form2.h"

namespace veldra::shell
{

ProgressWindow::ProgressWindow(QWidget *owner)
    : m_owner(owner)
{
}

Form2 &ProgressWindow::load()
{
    return m_form2.get([this] {
        auto *form = new Form2(m_owner);
        form->setCancelEnabled(m_cancelEnabled);
        QObject::connect(form, &Form2::cancelClicked, form, [this] {
            if (m_cancel)
                m_cancel();
        });
        return form;
    });
}

void ProgressWindow::setCancelEnabled(bool enabled)
{
    m_cancelEnabled = enabled;
    if (Form2 *f = existing())
        f->setCancelEnabled(enabled);
}

void ProgressWindow::setCancelHandler(std::function<void()> handler)
{
    m_cancel = std::move(handler);
}

void ProgressWindow::ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar)
{
    load().ShowProgress(caption, status, showStatus, showBar);
}

void ProgressWindow::setValue(int value)
{
    if (Form2 *f = existing())
        f->setValue(value);
}

void ProgressWindow::setMaximum(int maximum)
{
    if (Form2 *f = existing())
        f->setMaximum(maximum);
}

void ProgressWindow::setStatus(const QString &text, bool repaintNow)
{
    if (Form2 *f = existing())
        f->setStatus(text, repaintNow);
}

void ProgressWindow::close()
{
    Form2 *f = existing();
    if (!f)
        return;
    f->close();
    // Destroyed now, so the next ShowProgress starts from a fresh window even
    // before the event loop runs again.
    delete f;
}

} // namespace veldra::shell
