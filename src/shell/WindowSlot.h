#pragma once

#include <QObject>
#include <QPointer>

namespace veldra::shell
{

// Holds the one window of a kind: created on first use, at most one at a time,
// gone as soon as it is unloaded (even before Qt deletes it), and created
// afresh on the next use. W signals unloaded() when it closes.
template <typename W> class WindowSlot
{
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;
    ~WindowSlot() { destroy(); }

    // The window, made by `make` when there is none.
    template <typename Make> W &get(Make &&make)
    {
        if (!m_window) {
            m_window = make();
            QObject::connect(m_window.data(), &W::unloaded, m_window.data(), [this] { m_window.clear(); });
        }
        return *m_window;
    }

    W *existing() const { return m_window.data(); }

    // Unloads the window now, if there is one.
    void destroy()
    {
        W *window = m_window.data();
        m_window.clear();
        delete window;
    }

private:
    QPointer<W> m_window;
};

} // namespace veldra::shell
