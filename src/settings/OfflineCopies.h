#pragma once

#include "text/Result.h"

#include <QDateTime>
#include <QString>

namespace veldra::settings
{

// The last good copies of the work files that every start downloads afresh
// (the index and the news), kept in the user's cache folder so that a start
// without the server still has something to search and read. A copy's file
// time is when it was downloaded.
class OfflineCopies
{
public:
    // `folder` ends in "/"; it is made when the first copy is kept.
    explicit OfflineCopies(QString folder);

    // The user's cache folder for Veldra: $XDG_CACHE_HOME/Veldra/.
    static QString DefaultFolder();

    QString folder() const { return m_folder; }
    // Where the copy of `workFile` (a path in the program folder) is kept.
    QString copyOf(const QString &workFile) const;

    // Keeps `workFile`, which has just been downloaded whole, as its last good copy.
    Status keep(const QString &workFile) const;
    // Puts the last good copy of `workFile` back in its place and returns the
    // time it was downloaded; an error when there is no copy or it cannot be
    // put back.
    Result<QDateTime> restore(const QString &workFile) const;

private:
    QString m_folder;
};

// Copies `from` to `to` through a new temporary file beside `to`, renamed into
// place only when it is complete: an existing `to` (or a link in its place) is
// never opened for writing, and a failed copy leaves it as it was.
Status CopyFileSafely(const QString &from, const QString &to);

// The day of a copy as the notes about offline copies write it: "5 December 2026".
QString OfflineDate(const QDateTime &when);

} // namespace veldra::settings
