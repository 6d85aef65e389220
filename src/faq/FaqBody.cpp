#include "faq/FaqBody.h"

#include "text/CodePage.h"
#include "text/TextFile.h"
#include "text/Trim.h"

#include <QCoreApplication>

namespace veldra::faq
{

namespace
{

// Follows the body markers field by field. Fields are looked at in their raw
// bytes: decoding and encoding Windows-1252 gives back the same bytes, so a body
// line is copied as it stands, and only the rare field that holds a "[" is
// decoded to look for a marker.
class BodyCollector
{
public:
    void take(QByteArrayView field)
    {
        if (field.contains('[')) {
            const QString text = text::DecodeAnsi(field);
            if (text.contains(QLatin1String("[body]"), Qt::CaseInsensitive)) {
                m_inBody = true;
                return;
            }
            if (text.contains(QLatin1String("[/body]"), Qt::CaseInsensitive))
                m_inBody = false;
        }
        if (m_inBody) {
            m_lines.append(field);
            m_lines.append("\r\n", 2);
        }
    }

    QByteArray lines() { return std::move(m_lines); }

private:
    QByteArray m_lines;
    bool m_inBody = false;
};

// Whether a field may start with a key name once its blanks are trimmed. Every
// key name starts with S, A or V, and a plain ASCII byte decodes to itself; a
// field that starts with any other ASCII character carries no key and need not
// be decoded.
bool MayCarryKey(QByteArrayView field)
{
    qsizetype i = 0;
    while (i < field.size() && text::IsBlank(field[i]))
        ++i;
    if (i == field.size())
        return false;
    const auto c = static_cast<unsigned char>(field[i]);
    if (c >= 0x80)
        return true;
    switch (c) {
    case 'S':
    case 's':
    case 'A':
    case 'a':
    case 'V':
    case 'v':
        return true;
    default:
        return false;
    }
}

} // namespace

QByteArray ReadBodyLines(text::TextFileReader &doc)
{
    BodyCollector body;
    while (!doc.atEnd())
        body.take(doc.readRawField());
    return body.lines();
}

Result<FaqDocument> ReadFaqDocument(const QString &untrimmed)
{
    const QString path = text::TrimBlanks(untrimmed);
    FaqDocument read;
    if (path.isEmpty()) {
        read.header.ErrorText = QCoreApplication::translate("faq", "Error, no file!");
        return read;
    }
    text::TextFileReader file;
    if (const Status opened = file.open(path); !opened)
        return Error{opened.error()};
    BodyCollector body;
    while (!file.atEnd()) {
        const QByteArrayView field = file.readRawField();
        if (MayCarryKey(field))
            StoreHeaderField(read.header, text::TrimBlanks(text::DecodeAnsi(field)));
        body.take(field);
    }
    read.header.FileName = path;
    read.bodyLines = body.lines();
    return read;
}

} // namespace veldra::faq
