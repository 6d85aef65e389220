#pragma once

#include <QString>

// Text checks against the expected outputs that come with the RTF corpus. Each
// kind of expected file is normalised as the corpus notes say, so that only the
// content is compared, not the layout of the other project's output.
namespace corpus
{

// Collapses every run of white space (no-break spaces too) into one space.
QString Collapse(const QString &text);

// striprtf's plain text: table cells end with "|", links are written as
// text("url").
QString FromStripRtf(const QString &expected);

// Visible text of an HTML document, as Qt renders it to plain text.
QString FromHtml(const QString &html);

// Drops list markers written as text (a bullet or "1)" and a tab) from the
// start of each line, for comparing with a list whose markers are drawn.
QString WithoutListMarkers(const QString &text);

// The text of pandoc's native AST: the Str words, with Space and breaks as
// spaces. Each note is its number where it stands, and its text follows the
// body after the number, as the viewer shows notes.
QString FromPandocNative(const QString &native);

} // namespace corpus
