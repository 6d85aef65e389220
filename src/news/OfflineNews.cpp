#include "news/OfflineNews.h"

#include "news/Log.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"

#include <QTextCursor>
#include <QTextDocument>

namespace veldra::news
{

namespace
{

// Puts the lines before the document, in plain bold type, whatever the
// document's first paragraph looks like.
void PutLinesFirst(richtext::RichTextBox &News, const QStringList &lines)
{
    QTextCharFormat note;
    note.setFontWeight(QFont::Bold);
    QTextCursor cursor(News.document());
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();
    // The first paragraph moves down with its own format; the lines go into
    // the plain one left above it.
    cursor.insertBlock(cursor.blockFormat(), cursor.blockCharFormat());
    cursor.movePosition(QTextCursor::Start);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(note);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), note);
        cursor.insertText(lines.at(i), note);
    }
    cursor.endEditBlock();
}

} // namespace

QString NewsFile(const settings::Module1 &state)
{
    return state.AppDir + QStringLiteral("news.rtf");
}

void KeepOrShowOfflineNews(NewsOutcome outcome, const settings::Module1 &state, richtext::RichTextBox &News)
{
    const settings::OfflineCopies copies(state.CacheDir);
    const QString path = NewsFile(state);
    switch (outcome) {
    case NewsOutcome::Shown:
        if (const Status kept = copies.keep(path); !kept)
            qCWarning(lcNews) << "the news was not kept for offline use:" << kept.error();
        return;
    case NewsOutcome::Blank:
        return;
    case NewsOutcome::Offline:
    case NewsOutcome::Failed:
        break;
    }
    // What the panel says now; the reason of a failure stays under the note.
    const QString why = outcome == NewsOutcome::Failed ? News.text() : QString();
    const Result<QDateTime> restored = copies.restore(path);
    if (!restored) {
        qCDebug(lcNews) << "no offline news:" << restored.error();
        return;
    }
    if (const Status loaded = News.loadFile(path); !loaded) {
        qCWarning(lcNews) << "the offline news cannot be shown:" << loaded.error();
        return;
    }
    QStringList lines{QStringLiteral("Offline: news of ") + settings::OfflineDate(restored.value())};
    if (!why.isEmpty())
        lines << why;
    qCDebug(lcNews) << "shown:" << lines;
    PutLinesFirst(News, lines);
}

} // namespace veldra::news
