#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAbstractTextDocumentLayout;
class QTextDocument;

namespace veldra::richtext
{

// Lays a long document out in slices of a few tens of milliseconds, with the
// window's events handled in between. A text edit lays out what is on screen at
// once and the rest in the background, but in steps that double up to 200,000
// characters: with many links that is well over 100 ms during which the window
// does not respond. The pacer takes those steps over: it holds back the
// layout's step timer and asks for the layout up to a paragraph a little
// further on each time, as many characters as fit in a slice.
class LayoutPacer : public QObject
{
public:
    explicit LayoutPacer(QObject *parent = nullptr);

    // Paces the layout of `doc` from now on (and no longer that of the document
    // watched before).
    void watch(QTextDocument *doc);
    // Whether the watched document is laid out to its end (or there is none).
    bool finished() const;
    // Calls `then` once the layout reaches the end (in place of what was to be
    // called before); an empty function calls nothing. A new document drops it.
    void whenFinished(std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOutSlice();
    void callIfFinished();

    QPointer<QTextDocument> m_doc;
    QPointer<QAbstractTextDocumentLayout> m_layout;
    QTimer m_next;
    static constexpr int kFirstSliceChars = 8192;
    int m_charsPerSlice = kFirstSliceChars; // grown or shrunk to the slice's time
    std::function<void()> m_whenFinished;
};

} // namespace veldra::richtext
