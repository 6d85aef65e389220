#pragma once

#include "document/BoxDocument.h"

#include <QByteArrayView>
#include <QStringList>

#include <memory>

class QTextDocument;

namespace veldra::faq
{

// The colour of a marked link: pure blue, as 0xBBGGRR.
constexpr unsigned int kLinkColor = 0xFF0000;

// A body made ready to be shown: the document and where the caret goes.
struct BodyDocument {
    std::unique_ptr<QTextDocument> doc;
    int caret = 0; // a document position
};

// The document a box shows after loading the work file `workFileBytes` and then
// marking the links of each of `linkPrefixes` in turn as HighlightLinks does
// (two spaces appended per prefix; the caret one character after the start of
// the last link found, or at the start when there is none), all in one pass:
// the links are found on the text first and marked in one edit. Long paragraphs
// are held as display blocks (document/DisplayBlocks.h), and the caret's
// position counts their separators. The prefixes
// hold no space or line break. Touches no widget, so it can run on any thread.
BodyDocument BuildBodyDocument(QByteArrayView workFileBytes, const document::DocumentSettings &settings,
                               const QStringList &linkPrefixes);

} // namespace veldra::faq
