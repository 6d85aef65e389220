// Reads every field of arbitrary bytes.
#include "text/TextFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    veldra::text::TextFileReader file(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
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
