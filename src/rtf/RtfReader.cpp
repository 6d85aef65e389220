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

RtfLoader::RtfLoader(QByteArray data, QTextDocument *doc)
    : m_data(std::move(data))
    , m_parser(std::make_unique<RtfParser>(m_data, doc))
{
}

RtfLoader::~RtfLoader() = default;

bool RtfLoader::read(qint64 budgetMs)
{
    if (!m_parser)
        return true;
    if (!m_parser->run(budgetMs))
        return false;
    // The parser's end closes its edit block: the document reports its
    // changes now.
    m_parser.reset();
    return true;
}

} // namespace veldra::rtf
