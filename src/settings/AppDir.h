#pragma once

#include <QString>

// The folder the program keeps its work files in, always ending in "/": the
// executable's folder, or the user's data folder "<data>/Veldra/" when the
// executable's folder cannot be written (a system-wide install).
QString AppDirFor(const QString &executableDir, bool executableDirWritable, const QString &userDataDir);

// The same for this process: the executable's folder (or the one set by
// SetExecutableDir), checked for write access; the fallback folder is created.
QString FindAppDir();

// Makes FindAppDir use `dir` as the executable's folder; an empty text restores
// the real one. For tests.
void SetExecutableDir(const QString &dir);
