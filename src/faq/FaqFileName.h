#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::faq
{

// The file names of the server index become local paths in AppDir. A name is
// taken only when it is one plain path segment: not empty, not "." or "..", no
// "/" or "\", no control character. Otherwise the error names the file.
Status IsPlainFaqFileName(const QString &name);

// The program keeps its own files in AppDir too: the index "script.dat", the
// news "news.rtf", the pointer picture "hand.cur", work files ending in ".tmp"
// and the executable itself (`executableName`). None of them may be replaced by
// a document, whatever the letter case.
Status IsNotProgramFileName(const QString &name, const QString &executableName);

// The name as one percent-encoded segment of the document's URL.
QString FaqUrlSegment(const QString &name);

// A download replaces `path` (AppDir + name) only when it is new or an ordinary
// file: a directory, a symbolic link (which could point outside AppDir) or a file
// someone may run, such as the program itself, is left alone.
Status IsReplaceableLocalCopy(const QString &path, const QString &name);

} // namespace veldra::faq
