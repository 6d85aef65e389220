#pragma once

#include <QRect>
#include <QTimer>
#include <QVector>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::shell
{

// A small bar for finding text in a document body: the text to find, the
// previous and next match, and how many matches there are. It opens over the
// bottom of the body, which gives up that room while the bar is open. Letter
// case is ignored; the search wraps around the end of the document.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    FindBar(richtext::RichTextBox *body, const char *name);

    // Opens the bar (or goes back to it) with the text to find selected.
    void open();
    // Opens the bar finding `text`, with its matches marked and the first one shown.
    void openWith(const QString &text);
    // Closes it; the keyboard goes back to the body.
    void close();
    void findNext();
    void findPrevious();

    // The matches of the present text, as document positions, at most kMaxCounted.
    const QVector<int> &matches() const { return m_matches; }
    // What the bar says: "3 of 12", "No matches", or nothing without a text.
    QString countText() const;

    static constexpr int kMaxCounted = 1000;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void textEdited();
    void find(bool forward, int from);
    void recount();
    void showMatch(int index);
    void markMatches();

    richtext::RichTextBox *m_body;
    QRect m_bodyTwips; // the body's place while the bar is closed
    QLineEdit *m_text;
    QPushButton *m_previous, *m_next, *m_close;
    QLabel *m_count;
    QVector<int> m_matches;
    int m_current = -1;       // index into m_matches
    QVector<int> m_matchEnds; // where each match ends
    QTimer m_recount;
};

} // namespace veldra::shell
