#include "text/TextFile.h"

#include "text/CodePage.h"
#include "text/FieldScanner.h"
#include "text/Log.h"
#include "text/OrdinaryFile.h"

#include <QFile>

namespace veldra::text
{

Status TextFileReader::open(const QString &path)
{
    QFile f;
    if (const Status opened = OpenOrdinaryFile(f, path); !opened) {
        qCDebug(lcText) << "cannot read" << path << ":" << opened.error();
        return opened;
    }
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        qCDebug(lcText) << "cannot read" << path << ":" << f.errorString();
        return Error{f.errorString()};
    }
    m_data = std::move(data);
    m_pos = 0;
    return {};
}

QString TextFileReader::readField()
{
    return DecodeAnsi(readRawField());
}

QByteArrayView TextFileReader::readRawField()
{
    const FieldSpan f = NextField(m_data.constData(), m_data.size(), m_pos);
    m_pos = f.next;
    return QByteArrayView(m_data).sliced(f.begin, f.end - f.begin);
}

} // namespace veldra::text
