#include "faq/FaqHeader.h"

#include "faq/TextFile.h"

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

inline bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Spaces and tabs count alike, as they do before a field.
QString TrimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && IsBlank(text.at(from)))
        ++from;
    while (to > from && IsBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

} // namespace

QString DetectHeaderKey(const QString &field)
{
    const HeaderKey *key = FindKey(field);
    return key ? QString(key->reported) : QString();
}

FaqHeader ReadFaqHeader(QString &path, QString *error, bool *ok)
{
    if (ok)
        *ok = true;
    path = TrimBlanks(path);
    FaqHeader header;
    if (path.isEmpty()) {
        header.ErrorText = QStringLiteral("Error, no file!");
        return header;
    }
    TextFileReader file;
    QString why;
    if (!file.open(path, &why)) {
        if (error)
            *error = why;
        if (ok)
            *ok = false;
        return FaqHeader();
    }
    while (!file.atEnd()) {
        const QString field = TrimBlanks(ReadTextField(file));
        if (const HeaderKey *key = FindKey(field))
            header.*(key->field) = TrimBlanks(field.mid(key->name.size()));
    }
    header.FileName = path;
    return header;
}
