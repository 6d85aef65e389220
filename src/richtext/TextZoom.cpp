#include "richtext/TextZoom.h"

#include "richtext/RichTextBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>

#include <vector>

namespace veldra::richtext
{

namespace
{

// The size a character had at 100 %, kept while it is zoomed.
constexpr int kUnzoomedSize = QTextFormat::UserProperty + 3;

} // namespace

TextZoom::TextZoom(RichTextBox *box)
    : QObject(box)
    , m_box(box)
    , m_basePointSize(box->font().pointSizeF())
{
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
}

const QList<int> &TextZoom::Steps()
{
    static const QList<int> steps = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
    return steps;
}

void TextZoom::zoomIn()
{
    for (int step : Steps())
        if (step > m_percent)
            return setPercent(step);
}

void TextZoom::zoomOut()
{
    for (auto it = Steps().crbegin(); it != Steps().crend(); ++it)
        if (*it < m_percent)
            return setPercent(*it);
}

void TextZoom::reset()
{
    setPercent(100);
}

void TextZoom::setPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    apply();
}

void TextZoom::apply()
{
    const qreal z = m_percent / 100.0;
    // A new font lays the whole document out again: only when it changes.
    if (m_basePointSize > 0 && !qFuzzyCompare(m_box->font().pointSizeF(), m_basePointSize * z)) {
        QFont font = m_box->font();
        font.setPointSizeF(m_basePointSize * z);
        m_settingFont = true;
        m_box->setFont(font);
        m_settingFont = false;
    }
    // Every stretch of text with a size of its own is drawn at that size times
    // the zoom; the stretches are collected first, as changing a format splits
    // and merges them.
    struct Stretch {
        int from, to;
        qreal unzoomed;
    };
    std::vector<Stretch> stretches;
    QTextDocument *doc = m_box->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat f = frag.charFormat();
            const qreal unzoomed = f.hasProperty(kUnzoomedSize) ? f.doubleProperty(kUnzoomedSize) : f.fontPointSize();
            if (unzoomed > 0 && !qFuzzyCompare(f.fontPointSize(), unzoomed * z))
                stretches.push_back({frag.position(), frag.position() + frag.length(), unzoomed});
        }
    }
    if (stretches.empty())
        return;
    QTextCursor c(doc);
    c.beginEditBlock();
    for (const Stretch &s : stretches) {
        c.setPosition(s.from);
        c.setPosition(s.to, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setProperty(kUnzoomedSize, s.unzoomed);
        f.setFontPointSize(s.unzoomed * z);
        c.mergeCharFormat(f);
    }
    c.endEditBlock();
}

bool TextZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::FontChange && !m_settingFont) {
        // A new font from the desktop is the new size at 100 %.
        m_basePointSize = m_box->font().pointSizeF() / (m_percent / 100.0);
    } else if (watched == m_box->viewport() && event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int dy = wheel->angleDelta().y();
            if (dy > 0)
                zoomIn();
            else if (dy < 0)
                zoomOut();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veldra::richtext
