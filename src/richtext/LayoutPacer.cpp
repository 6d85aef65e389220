#include "richtext/LayoutPacer.h"

#include <QAbstractEventDispatcher>
#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimerEvent>

#include <utility>

namespace veldra::richtext
{

namespace
{

// A slice takes about this long; the window handles its events in between.
constexpr qint64 kSliceNs = 20'000'000;

// The first paragraph that is not laid out yet, or an invalid block. A layout
// always proceeds from the top, so the laid-out paragraphs come first.
QTextBlock FirstNotLaidOut(const QTextDocument &doc)
{
    int lo = 0;
    int hi = doc.blockCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (doc.findBlockByNumber(mid).layout()->lineCount() > 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return doc.findBlockByNumber(lo);
}

} // namespace

LayoutPacer::LayoutPacer(QObject *parent)
    : QObject(parent)
{
    m_next.setSingleShot(true);
    m_next.setInterval(0);
    connect(&m_next, &QTimer::timeout, this, &LayoutPacer::layOutSlice);
}

void LayoutPacer::watch(QTextDocument *doc)
{
    if (m_layout) {
        m_layout->removeEventFilter(this);
        disconnect(m_layout, nullptr, this, nullptr);
    }
    m_doc = doc;
    m_layout = doc ? doc->documentLayout() : nullptr;
    // What the last document's paragraphs cost says nothing about the next
    // one's: its first slice starts small again.
    m_charsPerSlice = kFirstSliceChars;
    m_whenFinished = nullptr;
    if (m_layout) {
        m_layout->installEventFilter(this);
        // The layout may also reach the end by a step not taken here (a
        // scroll down to it); its size then changes too.
        connect(m_layout, &QAbstractTextDocumentLayout::documentSizeChanged, this, [this] { callIfFinished(); });
    }
}

bool LayoutPacer::finished() const
{
    // A layout proceeds from the top: the last paragraph is laid out last.
    return !m_doc || m_doc->lastBlock().layout()->lineCount() > 0;
}

void LayoutPacer::whenFinished(std::function<void()> then)
{
    m_whenFinished = std::move(then);
}

void LayoutPacer::callIfFinished()
{
    if (m_whenFinished && finished())
        std::exchange(m_whenFinished, nullptr)();
}

bool LayoutPacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_layout || event->type() != QEvent::Timer)
        return false;
    // The layout has two timers: the step timer, which repeats every few
    // milliseconds while the layout is unfinished, and a zero timer that
    // reports the new document size (the scroll bars follow it). Only steps are
    // taken over.
    const int id = static_cast<QTimerEvent *>(event)->timerId();
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread());
    if (!dispatcher)
        return false;
    for (const QAbstractEventDispatcher::TimerInfo &timer : dispatcher->registeredTimers(watched)) {
        if (timer.timerId == id && timer.interval > 0) {
            if (!m_next.isActive())
                m_next.start();
            return true;
        }
    }
    return false;
}

void LayoutPacer::layOutSlice()
{
    if (!m_doc || !m_layout)
        return;
    const QTextBlock from = FirstNotLaidOut(*m_doc);
    const QTextBlock last = m_doc->lastBlock();
    // The paragraph in which the slice's characters end; at least the first.
    const QTextBlock to =
        from.isValid() ? m_doc->findBlock(qMin(from.position() + m_charsPerSlice, last.position())) : last;
    QElapsedTimer took;
    took.start();
    // Asking where a paragraph lies lays the document out up to it; at the last
    // one that also ends the layout, which then stops its step timer.
    m_layout->blockBoundingRect(to);
    const qint64 ns = qMax<qint64>(took.nsecsElapsed(), 1);
    // The next slice is sized by what this one cost per character, but grows
    // at most twofold: a slice of short or already laid-out paragraphs must not
    // make the next one, over long paragraphs, hold the window for long.
    // Characters, not paragraphs: a paragraph may be one short line or a
    // display block of thousands of characters.
    const qint64 laidOut = from.isValid() ? to.position() + to.length() - from.position() : 1;
    m_charsPerSlice = int(qBound<qint64>(1, laidOut * kSliceNs / ns, qint64(2) * m_charsPerSlice));
    // Without progress (a document without a page size is not laid out) the
    // next step timer asks again rather than this slice at once.
    if (to != last && from.isValid() && FirstNotLaidOut(*m_doc).blockNumber() > from.blockNumber())
        m_next.start();
    callIfFinished();
}

} // namespace veldra::richtext
