#pragma once

#include <QCursor>
#include <QString>

namespace veldra::links
{

// The hand shown over links: the picture "hand.cur" in the program folder
// `appDir` (or, for a system-wide install, beside the executable), read afresh
// each time so that a replaced file shows at once. Without a readable file the
// desktop's own pointing hand stands in.
QCursor LoadHandPointer(const QString &appDir);

} // namespace veldra::links
