#include "rtf/RtfReader.h"

#include "rtf/Log.h"
#include "rtf/RtfParser.h"

#include <QElapsedTimer>

#include <QTextDocument>

namespace veldra::rtf
{

bool ReadRtf(QByteArrayView data, QTextDocument *doc)
{
    if (!data.startsWith("{\\rtf")) {
        qCDebug(lcRtf) << "not RTF:" << data.first(qMin<qsizetype>(data.size(), 16));
        doc->clear();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    RtfParser parser(data, doc);
    parser.run();
    qCDebug(lcRtf) << data.size() << "bytes read in" << timer.elapsed() << "ms";
    return true;
}

} // namespace veldra::rtf
