// The index search against the plain reference the tests hold (every field read
// by the plain field reader, QString's find without case, a full reread per
// file name): any difference in hits, positions or file names is a finding.
//
// Input: one byte for the hit cap, one whose lowest bit shares the file names'
// pass with a second thread however short the index is, whose next bit has
// subjects of more than 64 bytes together found in batches (and long subjects
// read by blocks of 8 bytes) and whose third bit makes that 128 (16),
// one for the search text's length, the search text (Windows-1252; bytes 1 to 6 stand for letters
// outside the code page that fold onto letters in it), then the index.
#include "index/IndexReference.h"
#include "index/IndexSearch.h"
#include "text/CodePage.h"

#include <cstdint>
#include <vector>

namespace
{

QString SearchText(QByteArrayView bytes)
{
    static const char16_t special[] = {0x212A, 0x017F, 0x1E9E, 0x039C, 0x03BC, 0x0130};
    QString text = veldra::text::DecodeAnsi(bytes);
    for (QChar &c : text)
        if (c.unicode() >= 1 && c.unicode() <= 6)
            c = QChar(special[c.unicode() - 1]);
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const int caps[] = {1, 2, 3, 7, 500};
    const int maxHits = caps[data[0] % 5];
    const size_t length = 1 + data[2] % 16;
    if (size < 3 + length)
        return 0;
    const QString needle = SearchText(QByteArrayView(reinterpret_cast<const char *>(data + 3), qsizetype(length)));
    const QByteArray index(reinterpret_cast<const char *>(data + 3 + length), qsizetype(size - 3 - length));

    const QVector<ReferenceHit> expected = ReferenceSearchText(veldra::text::DecodeAnsi(index), needle, maxHits);
    // The bytes end where their allocation does, as a mapped file's may end
    // at its last page: a read past them is a finding.
    const std::vector<char> exact(index.begin(), index.end());
    const QVector<veldra::index::IndexHit> got = veldra::index::SearchIndex(
        QByteArrayView(exact.data(), qsizetype(exact.size())), needle, maxHits, nullptr,
        (data[1] & 1) ? 0 : veldra::index::kSecondThreadBytes,
        (data[1] & 2) ? ((data[1] & 4) ? 128 : 64) : veldra::index::SubjectAutomaton::kMaxBytes);
    if (got.size() != expected.size())
        __builtin_trap();
    for (qsizetype i = 0; i < got.size(); ++i) {
        const ReferenceHit mine{got[i].Subject, got[i].Position, got[i].FileName};
        if (!(mine == expected[i]))
            __builtin_trap();
    }
    return 0;
}
