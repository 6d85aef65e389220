#pragma once

// Starts tests/support/test_server.py on a free 127.0.0.1 port and stops it
// again. See the script for the special paths that inject failures.

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport
{

// Ends a helper process: politely first, then for good.
inline void StopProcess(QProcess &proc)
{
    if (proc.state() == QProcess::NotRunning)
        return;
    proc.terminate();
    if (!proc.waitForFinished(5000)) {
        proc.kill();
        proc.waitForFinished(5000);
    }
}

inline QString SupportDir()
{
#ifdef VELDRA_TESTS_DIR
    return QStringLiteral(VELDRA_TESTS_DIR "/support");
#else
    return QStringLiteral(VELDRA_SOURCE_DIR "/tests/support");
#endif
}

class TestServer
{
public:
    // Serves the files of `root` (a fresh empty folder when none is given),
    // each answer `delaySeconds` late.
    explicit TestServer(const QString &root = QString(), double delaySeconds = 0)
        : m_root(root)
        , m_delay(delaySeconds)
    {
        if (m_root.isEmpty()) {
            m_root = m_tmp.path() + QStringLiteral("/root");
            QDir().mkpath(m_root);
        }
    }
    ~TestServer() { stop(); }
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    // Starts the server and waits until it listens. False with errorString() set
    // when it could not start.
    bool start(int timeoutMs = 30000)
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return fail(QStringLiteral("python3 not found"));
        QFile::remove(logPath());
        m_proc.setProgram(python);
        m_proc.setArguments({SupportDir() + QStringLiteral("/test_server.py"), QStringLiteral("--root"), m_root,
                             QStringLiteral("--log"), logPath(), QStringLiteral("--delay"), QString::number(m_delay)});
        m_proc.setProcessChannelMode(QProcess::SeparateChannels);
        m_proc.start();
        if (!m_proc.waitForStarted(timeoutMs))
            return fail(m_proc.errorString());
        while (!m_proc.canReadLine()) {
            if (!m_proc.waitForReadyRead(timeoutMs))
                return fail(QStringLiteral("no port from the test server: ") +
                            QString::fromLocal8Bit(m_proc.readAllStandardError()));
        }
        m_port = static_cast<quint16>(QString::fromLatin1(m_proc.readLine()).trimmed().toUInt());
        return m_port != 0 || fail(QStringLiteral("bad port line"));
    }

    void stop() { StopProcess(m_proc); }

    quint16 port() const { return m_port; }
    QString root() const { return m_root; }
    QString errorString() const { return m_error; }
    // "http://127.0.0.1:<port>" + path; path starts with "/".
    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port) + path; }

    // Request lines received so far ("GET /path HTTP/1.1"), oldest first.
    QStringList requests() const
    {
        QFile f(logPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Writes a file into the served folder (its folders are made as needed).
    bool putFile(const QString &name, const QByteArray &bytes) const
    {
        return WriteFile(m_root + QLatin1Char('/') + name, bytes);
    }

private:
    QString logPath() const { return m_tmp.path() + QStringLiteral("/requests.log"); }
    bool fail(const QString &why)
    {
        m_error = why;
        stop();
        return false;
    }

    QTemporaryDir m_tmp;
    QString m_root;
    double m_delay = 0;
    QProcess m_proc;
    quint16 m_port = 0;
    QString m_error;
};

} // namespace testsupport
