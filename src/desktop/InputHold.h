#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace veldra::desktop
{

// While it lives, the user's input to one window (keys, the pointer, closing
// it) waits, as it would while the window's thread is busy, and the window
// still repaints; other windows, such as a progress window with its Cancel,
// take input as usual. When it goes, the input that waited is handed to the
// window in the order it came.
class InputHold : public QObject
{
public:
    explicit InputHold(QWidget *window);
    ~InputHold() override;
    InputHold(const InputHold &) = delete;
    InputHold &operator=(const InputHold &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWindow> m_window;
    std::vector<std::unique_ptr<QEvent>> m_held;
};

} // namespace veldra::desktop
