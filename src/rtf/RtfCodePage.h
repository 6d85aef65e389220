#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <memory>
#include <unordered_map>

class QStringDecoder;

namespace veldra::rtf
{

// Windows code page of an RTF font charset (\fcharsetN), or 0 when the charset
// says nothing and the document's code page applies.
int RtfCharsetCodePage(int charset);

// True for the code pages whose characters take one or two bytes.
bool IsDoubleByteCodePage(int codePage);

// Decodes the bytes of an RTF document through Windows code pages. Single-byte
// code pages are decoded through a table built once per code page; double-byte
// ones and UTF-8 through ICU. An unknown code page is read as Windows-1252.
class RtfCodePages
{
public:
    RtfCodePages();
    ~RtfCodePages();
    RtfCodePages(const RtfCodePages &) = delete;
    RtfCodePages &operator=(const RtfCodePages &) = delete;

    // Appends the text of `bytes` in `codePage` to `out`.
    void decode(int codePage, QByteArrayView bytes, QString &out);

private:
    struct Page {
        bool singleByte = true;
        std::array<char16_t, 256> table{};
        std::unique_ptr<QStringDecoder> decoder;
    };
    Page &page(int codePage);
    std::unordered_map<int, std::unique_ptr<Page>> m_pages;
    int m_lastCodePage = -1;
    Page *m_last = nullptr;
};

} // namespace veldra::rtf
