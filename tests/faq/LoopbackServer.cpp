#include "LoopbackServer.h"

#include <QFile>

LoopbackServer::LoopbackServer(const QString &root, const QString &script, const QStringList &arguments)
    : m_log(root + QStringLiteral(".requests.log"))
{
    QFile::remove(m_log);
    const QString program = script.isEmpty() ? QStringLiteral(VELDRA_TESTS_DIR "/support/test_server.py") : script;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"),
                    QStringList{program, QStringLiteral("--root"), root, QStringLiteral("--log"), m_log} + arguments);
    // The server prints its port once it listens.
    if (!m_process.waitForReadyRead(10000))
        return;
    m_port = m_process.readLine().trimmed().toInt();
}

LoopbackServer::~LoopbackServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString LoopbackServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

QStringList LoopbackServer::requests() const
{
    QFile f(m_log);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void LoopbackServer::forgetRequests()
{
    QFile::remove(m_log);
}
