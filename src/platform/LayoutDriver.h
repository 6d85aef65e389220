#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QTextDocument;
class QTextEdit;

namespace veldra::platform
{

// Lays a newly shown document out a slice of time at a time. A text edit lays
// a new document out lazily from the top, but in steps that double up to
// 200,000 characters, and a step of a long document with tables holds the
// window up for several tenths of a second. While the driver runs it takes
// over those steps (their timer events to the layout are dropped) and lays
// the document out in bounded slices instead; what the view needs to paint
// or to hit-test is still laid out at once by the layout itself.
class LayoutDriver : public QObject
{
    Q_OBJECT
public:
    explicit LayoutDriver(QTextEdit *view);
    // Before the view shows `doc`: a long document keeps the vertical scroll
    // bar shown while it is laid out, since a scroll bar that appears halfway
    // narrows the view and makes Qt lay the whole document out again at once.
    void prepare(const QTextDocument *doc);
    void start(QTextDocument *doc);
    void stop();
    bool running() const { return m_timer.isActive(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void detach();
    void step();
    bool laidOut(int blockNumber) const;

    QTextEdit *m_view;
    QPointer<QTextDocument> m_doc;
    QPointer<QObject> m_layout;
    QTimer m_timer;
    bool m_restorePolicy = false;
};

} // namespace veldra::platform
