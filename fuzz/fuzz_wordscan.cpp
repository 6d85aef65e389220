// The word under the pointer, found from its line alone, against the obvious
// scan of the box's whole text, at every character index and just outside.
#include "links/WordScan.h"
#include "richtext/RichTextBox.h"
#include "text/CodePage.h"

#include <QApplication>

#include <cstdint>

namespace
{
veldra::richtext::RichTextBox *box = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    // Made after the application and so destroyed before it, which frees the
    // font caches the box holds.
    static veldra::richtext::RichTextBox theBox;
    box = &theBox;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Line ends and spaces are what the scan is about; let one byte in four
    // stand for one of them so that the fuzzer meets them often.
    QString text = veldra::text::DecodeAnsi(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0xF0:
            c = QLatin1Char('\r');
            break;
        case 0xF1:
            c = QLatin1Char('\n');
            break;
        case 0xF2:
            c = QLatin1Char(' ');
            break;
        case 0xF3:
            c = QChar(0x2029);
            break;
        default:
            break;
        }
    }
    box->setText(text);
    const QString whole = box->text();
    for (int i = -1; i <= int(whole.size()) + 1; ++i)
        if (veldra::links::WordAtIndex(*box, i) != veldra::links::ScanWord(whole, i))
            __builtin_trap();
    return 0;
}
