#include "news/OfflineNews.h"

#include "news/Log.h"
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

namespace veldra::news
{

Result<QStringList> RestoreNews(NewsOutcome outcome, const settings::Module1 &state, const QString &whyFailed)
{
    const settings::OfflineCopies copies(state.CacheDir);
    const QString path = NewsFile(state);
    switch (outcome) {
    case NewsOutcome::Shown:
        return Error{QStringLiteral("The news was shown")};
    case NewsOutcome::Blank:
        return Error{QStringLiteral("The server's news is blank")};
    case NewsOutcome::Offline:
    case NewsOutcome::Failed:
        break;
    }
    const Result<QDateTime> restored = copies.restore(path);
    if (!restored) {
        qCDebug(lcNews) << "no offline news:" << restored.error();
        return Error{restored.error()};
    }
    QStringList lines{QCoreApplication::translate("news", "Offline: news of ") +
                      settings::OfflineDate(restored.value())};
    if (outcome == NewsOutcome::Failed && !whyFailed.isEmpty())
        lines << whyFailed;
    return lines;
}

void PutLinesFirst(QTextDocument &doc, const QStringList &lines)
{
    QTextCharFormat note;
    note.setFontWeight(QFont::Bold);
    QTextCursor cursor(&doc);
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

} // namespace veldra::news
