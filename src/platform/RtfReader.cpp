#include "platform/RtfReader.h"

#include "platform/RtfParser.h"

#include <QTextDocument>

namespace platform
{

bool ReadRtf(QByteArrayView data, QTextDocument *doc)
{
    if (!data.startsWith("{\\rtf")) {
        doc->clear();
        return false;
    }
    RtfParser parser(data, doc);
    parser.run();
    return true;
}

} // namespace platform
