#pragma once

#include "news/GetNews.h"

#include <QStringList>

class QTextDocument;

namespace veldra::settings
{
class Module1;
}

namespace veldra::news
{

// After the news step: when no news arrived (offline, or the download
// failed), the last good copy is put back as the local news file, and the
// lines to show above it are returned ("Offline: news of 5 December 2026"
// and, after a failure, `whyFailed`). Without a copy, or for news that was
// shown or was blank, the error says why nothing was put back. (News that
// arrived whole becomes the offline copy through settings::OfflineCopies once
// the main window shows; blank news from a server that answered is neither
// kept nor replaced.)
Result<QStringList> RestoreNews(NewsOutcome outcome, const settings::Module1 &state, const QString &whyFailed);

// Puts the lines before the document, in plain bold type, whatever the
// document's first paragraph looks like.
void PutLinesFirst(QTextDocument &doc, const QStringList &lines);

} // namespace veldra::news
