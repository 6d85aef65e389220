#pragma once

#include <QString>

namespace veldra::rtf
{

// The link target of a field instruction such as
// «HYPERLINK "http://example.org/" \o "tip"» or «HYPERLINK \l "mark"»: the address,
// followed by "#" and the bookmark when there is one. Empty when the
// instruction is not a HYPERLINK field.
QString HyperlinkTarget(const QString &instruction);

} // namespace veldra::rtf
