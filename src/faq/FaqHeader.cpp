#include "faq/FaqHeader.h"

#include "text/Trim.h"

namespace veldra::faq
{

using text::TrimBlanks;

namespace
{

struct HeaderKey {
    QLatin1String name; // as written in documents, followed by "="
    QLatin1String reported;
    QString FaqHeader::*field;
};

// Tested in this order: "AuthorEMAIL=" does not start with "Author=", so the
// order only matters for fields that carry more than one key name.
const HeaderKey kKeys[] = {
    {QLatin1String("Subject="), QLatin1String("subject"), &FaqHeader::Subject},
    {QLatin1String("Author="), QLatin1String("author"), &FaqHeader::Author},
    {QLatin1String("AuthorEMAIL="), QLatin1String("authoremail"), &FaqHeader::AuthorEmail},
    {QLatin1String("Version="), QLatin1String("version"), &FaqHeader::Version},
    {QLatin1String("AuthorWEBSITE="), QLatin1String("authorwebsite"), &FaqHeader::AuthorWebsite},
};

const HeaderKey *FindKey(const QString &field)
{
    for (const HeaderKey &key : kKeys)
        if (field.startsWith(key.name, Qt::CaseInsensitive))
            return &key;
    return nullptr;
}

} // namespace

QString DetectHeaderKey(const QString &field)
{
    const HeaderKey *key = FindKey(field);
    return key ? QString(key->reported) : QString();
}

bool StoreHeaderField(FaqHeader &header, const QString &field)
{
    const HeaderKey *key = FindKey(field);
    if (key)
        header.*(key->field) = TrimBlanks(QStringView(field).sliced(key->name.size()));
    return key != nullptr;
}

} // namespace veldra::faq
