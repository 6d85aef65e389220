#include "shell/FindBar.h"

#include "desktop/Layout.h"
#include "richtext/RichTextBox.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace veldra::shell
{

namespace
{

// The bar's height in twips, and the gap it leaves above itself.
constexpr int kBarTwips = 375;
constexpr int kGapTwips = 60;

QPushButton *MakeButton(const QString &caption, const QString &description, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setAccessibleDescription(description);
    return b;
}

} // namespace

FindBar::FindBar(richtext::RichTextBox *body, const char *name)
    : QWidget(body->parentWidget())
    , m_body(body)
    , m_bodyTwips(desktop::TwipsGeometry(body))
{
    setObjectName(QLatin1String(name));
    setAccessibleName(QCoreApplication::translate("FindBar", "Find in document"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setAccessibleName(QCoreApplication::translate("FindBar", "Find"));
    m_text->setAccessibleDescription(
        QCoreApplication::translate("FindBar", "Text to find in the document; Enter finds the next match, "
                                               "Shift+Enter the previous one, Escape closes the bar"));
    m_previous = MakeButton(QCoreApplication::translate("FindBar", "&Previous"),
                            QCoreApplication::translate("FindBar", "Goes to the previous match"), this);
    m_previous->setObjectName(QStringLiteral("findPrevious"));
    m_next = MakeButton(QCoreApplication::translate("FindBar", "&Next"),
                        QCoreApplication::translate("FindBar", "Goes to the next match"), this);
    m_next->setObjectName(QStringLiteral("findNext"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("findCount"));
    m_count->setAccessibleName(QCoreApplication::translate("FindBar", "Matches"));
    m_close = MakeButton(QCoreApplication::translate("FindBar", "Close"),
                         QCoreApplication::translate("FindBar", "Closes the find bar"), this);
    m_close->setObjectName(QStringLiteral("findClose"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_text, 3);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_count, 2);
    row->addWidget(m_close);
    setFocusProxy(m_text);

    connect(m_text, &QLineEdit::textEdited, this, &FindBar::textEdited);
    connect(m_next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(m_previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(m_close, &QPushButton::clicked, this, &FindBar::close);
    // Another document in the body, or a change to its text, changes the
    // matches. A document arrives in many pieces: they are counted once it is
    // all there, when the program next waits for events.
    m_recount.setSingleShot(true);
    m_recount.setInterval(0);
    connect(&m_recount, &QTimer::timeout, this, [this] {
        if (isVisible())
            recount();
    });
    connect(body->document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (isVisible() && removed != added)
            m_recount.start();
    });
    hide();
}

void FindBar::open()
{
    if (isHidden()) {
        // The clear button's picture loads an image plug-in: done on first
        // use, not while the main window is built at start-up.
        m_text->setClearButtonEnabled(true);
        const QRect body = m_bodyTwips;
        desktop::SetTwipsGeometry(m_body, body.adjusted(0, 0, 0, -(kBarTwips + kGapTwips)));
        desktop::SetTwipsGeometry(this, QRect(body.left(), body.bottom() + 1 - kBarTwips, body.width(), kBarTwips));
        show();
        recount();
    }
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void FindBar::openWith(const QString &text)
{
    m_text->setText(text);
    if (isHidden())
        open();
    else
        recount();
    m_text->selectAll();
    find(true, 0);
}

void FindBar::close()
{
    if (isHidden())
        return;
    const bool hadFocus = isAncestorOf(focusWidget());
    hide();
    desktop::SetTwipsGeometry(m_body, m_bodyTwips);
    m_body->setExtraSelections({});
    if (hadFocus)
        m_body->setFocus(Qt::OtherFocusReason);
}

void FindBar::findNext()
{
    const QTextCursor c = m_body->textCursor();
    find(true, c.hasSelection() ? c.selectionStart() + 1 : c.position());
}

void FindBar::findPrevious()
{
    find(false, m_body->textCursor().selectionStart() - 1);
}

void FindBar::textEdited()
{
    recount();
    // Typing refines the match in place, as far as it still matches.
    find(true, m_body->textCursor().selectionStart());
}

void FindBar::find(bool forward, int from)
{
    if (m_matches.isEmpty()) {
        showMatch(-1);
        return;
    }
    int index = -1;
    if (forward) {
        index = 0; // wraps round to the first
        for (int i = 0; i < m_matches.size(); ++i)
            if (m_matches[i] >= from) {
                index = i;
                break;
            }
    } else {
        index = int(m_matches.size()) - 1; // wraps round to the last
        for (int i = int(m_matches.size()) - 1; i >= 0; --i)
            if (m_matches[i] <= from) {
                index = i;
                break;
            }
    }
    showMatch(index);
}

void FindBar::recount()
{
    m_matches.clear();
    m_matchEnds.clear();
    m_current = -1;
    const QString what = m_text->text();
    if (!what.isEmpty()) {
        // A match may run across the display blocks of a long line, and then
        // takes a position more than its length.
        for (QTextCursor hit = m_body->findCursor(what, 0); !hit.isNull() && m_matches.size() < kMaxCounted;
             hit = m_body->findCursor(what, hit.selectionEnd())) {
            m_matches.append(hit.selectionStart());
            m_matchEnds.append(hit.selectionEnd());
        }
    }
    markMatches();
    m_count->setText(countText());
}

void FindBar::showMatch(int index)
{
    m_current = index;
    if (index >= 0) {
        QTextCursor c(m_body->document());
        c.setPosition(m_matches[index]);
        c.setPosition(m_matchEnds[index], QTextCursor::KeepAnchor);
        m_body->setTextCursor(c);
        m_body->ensureCursorVisible();
    }
    m_count->setText(countText());
}

void FindBar::markMatches()
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat look;
    look.setBackground(QColor(255, 235, 120));
    look.setForeground(richtext::RichTextBox::InkColour());
    for (qsizetype i = 0; i < m_matches.size(); ++i) {
        QTextCursor c(m_body->document());
        c.setPosition(m_matches[i]);
        c.setPosition(m_matchEnds[i], QTextCursor::KeepAnchor);
        marks.append({c, look});
    }
    m_body->setExtraSelections(marks);
}

QString FindBar::countText() const
{
    if (m_text->text().isEmpty())
        return QString();
    if (m_matches.isEmpty())
        return QCoreApplication::translate("FindBar", "No matches");
    const QString total =
        m_matches.size() >= kMaxCounted ? QStringLiteral("%1+").arg(kMaxCounted) : QString::number(m_matches.size());
    if (m_current < 0 && m_matches.size() < kMaxCounted)
        return QCoreApplication::translate("FindBar", "%n matches", nullptr, int(m_matches.size()));
    if (m_current < 0)
        return QCoreApplication::translate("FindBar", "%1 matches").arg(total);
    return QCoreApplication::translate("FindBar", "%1 of %2").arg(m_current + 1).arg(total);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & Qt::ShiftModifier)
            findPrevious();
        else
            findNext();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace veldra::shell
