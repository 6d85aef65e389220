#pragma once

#include <QString>

namespace veldra::links
{

// What a word in the reader body is, by its first characters. The prefixes are
// compared exactly, capitals and all; "@" counts only when no prefix matched.
enum class LinkClass { NotALink, WebLink, PrefixedMailLink, BareMailAddress };

LinkClass ClassifyLink(const QString &word);

// The address a link word stands for: the word without the sentence's
// punctuation after it (see TrimTrailingPunctuation), its prefix kept whole;
// empty when it is not a link. Tooltip and click both use it.
QString LinkAddress(const QString &word);

// The tooltip the body shows over the word; empty when it is not a link.
QString LinkToolTip(const QString &word);

// What a click on the word hands to the shell: its address, or "mailto:" +
// address for a bare one; empty when it is not a link.
QString LinkActivationTarget(const QString &word);

// The tooltip over a hyperlink of a document (its target is given, not read
// from the text): where a click leads, or to whom it writes for "mailto:".
QString HyperlinkToolTip(const QString &target);

// Whether the website header field names a website: not when it is blank, and
// not when it says exactly "none" or "?" (a capital or spaces make it a name).
// Blank means nothing but spaces.
bool HoldsWebsite(const QString &fieldText);

} // namespace veldra::links
