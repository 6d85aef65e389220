#pragma once

#include <QString>

namespace veldra::links
{

// The address a link word stands for. A word runs to the next space, so the
// punctuation of the sentence it ends sticks to it: "www.example.org/help/."
// or "(see docs@example.org)". The address leaves off, from the end, the
// marks that close a sentence or a clause (. , ; : ! ?) and any closing
// bracket or quote whose opening one is not in the word, so that a bracketed
// part of an address ("wiki/Foo_(bar)") stays whole. The first `keep`
// characters (a prefix such as "http:") are never taken off.
QString TrimTrailingPunctuation(const QString &word, int keep = 0);

} // namespace veldra::links
