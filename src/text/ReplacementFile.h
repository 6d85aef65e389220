#pragma once

#include "text/Result.h"

#include <QByteArrayView>
#include <QString>

namespace veldra::text
{

// A file written in the program folder without ever opening an existing path
// for writing: the bytes go to a new file that only this object created
// (exclusively, so a link planted under its name is refused, not followed), in
// the target's folder, which then takes the target's place by renaming. A
// rename replaces a link at the target instead of writing through it. Until
// committed, the target is untouched; an uncommitted file is removed.
// Failures carry the system's own reason ("No space left on device").
class ReplacementFile
{
public:
    // What a commit may replace.
    enum class Replace {
        Anything,     // whatever is at the target's name (a link is replaced, not followed)
        OrdinaryFile, // nothing, or an ordinary file no one runs: never a link or a folder
    };

    // The temporary files' names: ".veldra-" + random letters + kSuffix.
    static constexpr char kPrefix[] = ".veldra-";
    static constexpr char kSuffix[] = ".tmp";

    explicit ReplacementFile(const QString &target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    // Creates the new file. The error names the target.
    Status open();
    Status write(QByteArrayView bytes);
    // Drops what was written so far.
    Status clear();
    // Whether a commit first waits until the bytes are on the disk. A file
    // that is fetched afresh anyway need not survive a crash; one that holds
    // the only copy of something must.
    enum class Sync { Yes, No };

    // Closes the file and renames it to the target.
    Status commit(Replace what, Sync sync = Sync::Yes);
    // Closes and removes the file; the target stays as it was.
    void discard();

    QString target() const { return m_target; }
    // The new file's path while it exists, else empty.
    QString temporaryPath() const;

private:
    Error failure(const QString &reason) const;

    QString m_target;
    QString m_path; // of the new file
    int m_fd = -1;
};

// The system's description of an error number, as the file functions give it.
QString SystemErrorText(int errorNumber);

} // namespace veldra::text
