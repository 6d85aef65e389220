#pragma once

#include <QString>

namespace veldra::settings
{

// The folder the program keeps its work files in, always ending in "/": the
// executable's folder, or the user's data folder "<data>/Veldra/" when the
// executable's folder cannot be written (a system-wide install).
QString AppDirFor(const QString &executableDir, bool executableDirWritable, const QString &userDataDir);

// The same for an executable in `executableDir`, checked for write access; the
// fallback folder is created.
QString FindAppDir(const QString &executableDir);

} // namespace veldra::settings
