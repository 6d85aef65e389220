#include "faq/FaqBody.h"

#include "text/CodePage.h"
#include "text/TextFile.h"

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

} // namespace

QByteArray ReadBodyLines(text::TextFileReader &doc)
{
    BodyCollector body;
    while (!doc.atEnd())
        body.take(doc.readRawField());
    return body.lines();
}

} // namespace veldra::faq
