// Reads every field of arbitrary Windows-1252 text.
#include "faq/TextFile.h"

#include "platform/CodePage.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TextFileReader file(platform::DecodeAnsi(QByteArrayView(data, qsizetype(size))));
    qsizetype last = -1;
    while (!file.atEnd()) {
        (void)ReadTextField(file);
        // Every call must move on, or a caller's loop would never end.
        if (file.position() <= last)
            __builtin_trap();
        last = file.position();
    }
    return 0;
}
