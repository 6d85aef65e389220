#include "LoopbackServer.h"

#include <QFile>

LoopbackServer::LoopbackServer(const QString &root, double delaySeconds)
    : m_log(root + QStringLiteral(".requests.log"))
{
    QFile::remove(m_log);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"),
                    {QStringLiteral(VELDRA_TESTS_DIR "/faq/slow_server.py"), QStringLiteral("--root"), root,
                     QStringLiteral("--delay"), QString::number(delaySeconds), QStringLiteral("--log"), m_log});
    // The server prints its port once it listens.
    if (!m_process.waitForReadyRead(30000))
        return;
    m_port = m_process.readLine().trimmed().toInt();
}

LoopbackServer::~LoopbackServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QStringList LoopbackServer::requests() const
{
    QFile f(m_log);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
