#include "platform/LayoutDriver.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace veldra::platform
{

namespace
{
constexpr qint64 kSliceMs = 20;
constexpr int kStepCharacters = 4096;
constexpr int kLongDocument = 100000; // characters: far more than a view shows
} // namespace

LayoutDriver::LayoutDriver(QTextEdit *view)
    : QObject(view)
    , m_view(view)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &LayoutDriver::step);
}

void LayoutDriver::prepare(const QTextDocument *doc)
{
    if (doc->characterCount() < kLongDocument || m_view->verticalScrollBarPolicy() != Qt::ScrollBarAsNeeded)
        return;
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_restorePolicy = true;
}

void LayoutDriver::start(QTextDocument *doc)
{
    detach();
    m_doc = doc;
    m_layout = doc->documentLayout();
    m_layout->installEventFilter(this);
    m_timer.start();
}

void LayoutDriver::detach()
{
    m_timer.stop();
    if (m_layout)
        m_layout->removeEventFilter(this);
    m_layout = nullptr;
    m_doc = nullptr;
}

void LayoutDriver::stop()
{
    detach();
    if (m_restorePolicy) {
        // A long document needs the scroll bar anyway: it stays.
        m_restorePolicy = false;
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

bool LayoutDriver::eventFilter(QObject *watched, QEvent *event)
{
    // The layout's own lazy steps; the timer that reports its size once the
    // layout is complete runs after the driver has stopped.
    return watched == m_layout && event->type() == QEvent::Timer;
}

bool LayoutDriver::laidOut(int blockNumber) const
{
    const QTextLayout *layout = m_doc->findBlockByNumber(blockNumber).layout();
    return layout && layout->lineCount() > 0;
}

void LayoutDriver::step()
{
    if (!m_doc || !m_layout) {
        stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QAbstractTextDocumentLayout *layout = m_doc->documentLayout();
    const int last = m_doc->blockCount() - 1;
    while (!laidOut(last)) {
        if (clock.elapsed() >= kSliceMs) {
            // Let the view grow its scroll bars with what is laid out so far.
            QMetaObject::invokeMethod(m_view, "_q_adjustScrollbars");
            return;
        }
        // The layout runs from the top without gaps: the first block not laid
        // out yet is found by halving.
        int lo = 0;
        int hi = last;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (laidOut(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        const int target = m_doc->findBlockByNumber(lo).position() + kStepCharacters;
        layout->blockBoundingRect(m_doc->findBlock(qMin(target, m_doc->characterCount() - 1)));
    }
    // Complete: the layout's own timers report the final size.
    stop();
    QMetaObject::invokeMethod(m_view, "_q_adjustScrollbars");
}

} // namespace veldra::platform
