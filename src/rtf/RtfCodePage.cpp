#include "rtf/RtfCodePage.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace veldra::rtf
{

int RtfCharsetCodePage(int charset)
{
    switch (charset) {
    case 0: // ANSI_CHARSET is Western whatever the document says
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default: // 1 (DEFAULT_CHARSET), 2 (symbol) and unknown ones follow the document
        return 0;
    }
}

bool IsDoubleByteCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
}

namespace
{

std::unique_ptr<QStringDecoder> OpenDecoder(int codePage)
{
    QByteArrayList names;
    if (codePage == 65001)
        names << "UTF-8";
    else if (codePage == 10000)
        names << "macintosh";
    else if (codePage <= 0 || codePage == 1200 || codePage == 1201 || codePage == 12000 || codePage == 12001)
        return nullptr; // UTF-16 and UTF-32 cannot be written as \'hh bytes
    else
        names << "windows-" + QByteArray::number(codePage) << "cp" + QByteArray::number(codePage)
              << "ibm-" + QByteArray::number(codePage);
    for (const QByteArray &name : names) {
        auto d = std::make_unique<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
        if (d->isValid())
            return d;
    }
    return nullptr;
}

} // namespace

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

RtfCodePages::Page &RtfCodePages::page(int codePage)
{
    if (codePage == m_lastCodePage)
        return *m_last;
    auto it = m_pages.find(codePage);
    if (it == m_pages.end()) {
        auto p = std::make_unique<Page>();
        p->decoder = OpenDecoder(codePage);
        if (!p->decoder && codePage != 1252) {
            // Unknown code pages read as Western, like a missing one.
            Page &fallback = page(1252);
            p->decoder = OpenDecoder(1252);
            p->table = fallback.table;
        } else if (!p->decoder) {
            for (int b = 0; b < 256; ++b)
                p->table[b] = char16_t(b);
        }
        p->singleByte = !(IsDoubleByteCodePage(codePage) || codePage == 65001) || !p->decoder;
        if (p->singleByte && p->decoder) {
            // Bytes the code page leaves unassigned keep their value, as Windows
            // does, so that no byte is lost.
            for (int b = 0; b < 256; ++b) {
                const char c = char(b);
                const QString s = p->decoder->decode(QByteArrayView(&c, 1));
                p->table[b] =
                    (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter) ? s.at(0).unicode() : char16_t(b);
            }
        }
        it = m_pages.emplace(codePage, std::move(p)).first;
    }
    m_lastCodePage = codePage;
    m_last = it->second.get();
    return *m_last;
}

void RtfCodePages::decode(int codePage, QByteArrayView bytes, QString &out)
{
    Page &p = page(codePage);
    if (p.singleByte) {
        const qsizetype at = out.size();
        out.resize(at + bytes.size());
        QChar *dst = out.data() + at;
        for (qsizetype i = 0; i < bytes.size(); ++i)
            dst[i] = QChar(p.table[static_cast<unsigned char>(bytes[i])]);
        return;
    }
    out += p.decoder->decode(bytes);
}

} // namespace veldra::rtf
