#pragma once

#include "store/MarkedText.h"

#include <QStringList>
#include <QStringView>

namespace veldra::store
{

// A snippet of `body`: about `words` words from where the most of
// `foldedTerms` (FoldWord) occur close together, the first such place (or the
// start, when none does), with the matched words marked, on one line, and
// "…" where text was left out. Made here rather than by the index, which
// would look the query up once more for every document.
MarkedText MakeSnippet(QStringView body, const QStringList &foldedTerms, int words);

} // namespace veldra::store
