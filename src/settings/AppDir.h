#pragma once

#include <QString>

namespace veldra::settings
{

// The folder the program keeps its work files in, always ending in "/": the
// executable's folder, or the user's data folder "<data>/Veldra/" when the
// executable's folder cannot be written (a system-wide install).
QString AppDirFor(const QString &executableDir, bool executableDirWritable, const QString &userDataDir);

// Whether `dir` (an absolute path) lies in a tree that belongs to the system's
// package manager or administrator, /usr or /opt. Files written there would
// outlive the package that owns the folder, so such a folder never holds work
// files, even when it can be written (as root).
bool IsUnderSystemPrefix(const QString &dir);

// The same for an executable in `executableDir`, checked for write access; a
// folder under a system prefix counts as not writable. The fallback folder is
// created.
QString FindAppDir(const QString &executableDir);

} // namespace veldra::settings
