#include "offline/IndexEntries.h"

#include "faq/FaqFileName.h"
#include "text/CodePage.h"
#include "text/IndexRecord.h"
#include "text/TextFile.h"

#include <QSet>

namespace veldra::offline
{

Result<QList<IndexEntry>> ReadIndexEntries(const QString &indexFile)
{
    text::TextFileReader index;
    if (const Status opened = index.open(indexFile); !opened)
        return Error{opened.error()};
    QList<IndexEntry> entries;
    QSet<QString> seen;
    while (!index.atEnd()) {
        const QByteArrayView field = index.readRawField();
        const auto bounds = text::LocateIndexRecord(field.data(), field.size());
        if (!bounds)
            continue;
        const QString name = text::DecodeAnsi(field.first(bounds->equals));
        if (seen.contains(name) || !faq::IsPlainFaqFileName(name))
            continue;
        seen.insert(name);
        const QByteArrayView subject = field.sliced(bounds->equals + 1, bounds->bracket - bounds->equals - 1);
        entries.append({name, text::DecodeAnsi(subject).trimmed()});
    }
    return entries;
}

} // namespace veldra::offline
