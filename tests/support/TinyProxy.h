#pragma once

// Starts Debian's tinyproxy on a free 127.0.0.1 port with a generated
// configuration, its log in a temporary folder, and stops it again.

#include "support/TestServer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

namespace testsupport
{

class TinyProxy
{
public:
    // With a user name, the proxy asks for Basic authentication and answers
    // other requests with 407.
    explicit TinyProxy(const QString &user = QString(), const QString &password = QString())
        : m_user(user)
        , m_password(password)
    {
    }
    ~TinyProxy() { stop(); }
    TinyProxy(const TinyProxy &) = delete;
    TinyProxy &operator=(const TinyProxy &) = delete;

    bool start()
    {
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
        if (program.isEmpty()) {
            m_error = QStringLiteral("tinyproxy not found");
            return false;
        }
        // A port found free can be taken before tinyproxy binds it; try again then.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = FreePort();
            writeConfig();
            m_proc.start(program, {QStringLiteral("-d"), QStringLiteral("-c"), configPath()});
            if (!m_proc.waitForStarted(10000))
                continue;
            for (int i = 0; i < 200 && m_proc.state() == QProcess::Running; ++i) {
                QTcpSocket probe;
                probe.connectToHost(QStringLiteral("127.0.0.1"), m_port);
                if (probe.waitForConnected(100))
                    return true;
                QThread::msleep(50);
            }
            stop();
        }
        m_error = QStringLiteral("tinyproxy did not start: ") + QString::fromLocal8Bit(m_proc.readAllStandardError());
        return false;
    }

    void stop() { StopProcess(m_proc); }

    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }
    QString log() const
    {
        QFile f(m_dir.path() + QStringLiteral("/tinyproxy.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // A port on 127.0.0.1 with nothing listening on it (at the moment of asking).
    static quint16 FreePort()
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        return server.serverPort();
    }

private:
    QString configPath() const { return m_dir.path() + QStringLiteral("/tinyproxy.conf"); }

    void writeConfig()
    {
        QFile::remove(m_dir.path() + QStringLiteral("/tinyproxy.log"));
        QString conf = QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nMaxClients 20\nAllow 127.0.0.1\n"
                                      "LogLevel Info\nLogFile \"%2/tinyproxy.log\"\n")
                           .arg(m_port)
                           .arg(m_dir.path());
        if (!m_user.isEmpty())
            conf += QStringLiteral("BasicAuth %1 %2\n").arg(m_user, m_password);
        QFile f(configPath());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(conf.toUtf8());
    }

    QString m_user, m_password;
    QTemporaryDir m_dir;
    QProcess m_proc;
    quint16 m_port = 0;
    QString m_error;
};

} // namespace testsupport
