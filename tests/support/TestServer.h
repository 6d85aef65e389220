#pragma once

// Starts tests/support/test_server.py on a free 127.0.0.1 port and stops it
// again, as an HTTP or HTTPS server or as a SOCKS5 proxy. See the script for
// the special paths that inject failures.

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

// The certificates of tests/support/test_certs.py, made in a folder of their
// own: ca.pem and the server certificates valid, expired, otherhost and
// selfsigned.
class TestCertificates
{
public:
    // False with errorString() set when openssl failed.
    bool make()
    {
        QProcess maker;
        maker.start(QStandardPaths::findExecutable(QStringLiteral("python3")),
                    {SupportDir() + QStringLiteral("/test_certs.py"), m_dir.path()});
        if (!maker.waitForFinished(60000) || maker.exitCode() != 0) {
            m_error = QStringLiteral("test_certs.py failed: ") + QString::fromLocal8Bit(maker.readAllStandardError());
            return false;
        }
        return true;
    }
    QString folder() const { return m_dir.path(); }
    QString authority() const { return m_dir.filePath(QStringLiteral("ca.pem")); }
    QString errorString() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QString m_error;
};

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

    // Before start: speak HTTPS with the certificate `name` of `certificates`;
    // as an ALPN probe, only note the protocol ALPN chose (see the script).
    void useTls(const TestCertificates &certificates, const QString &name, bool alpnProbe = false)
    {
        m_extra = {QStringLiteral("--tls"), name, QStringLiteral("--certs"), certificates.folder()};
        if (alpnProbe)
            m_extra << QStringLiteral("--alpn-probe");
        m_scheme = QStringLiteral("https");
    }
    // Before start: be a SOCKS5 proxy instead; requests() lists its CONNECTs.
    void useSocks5() { m_extra = {QStringLiteral("--socks5")}; }

    // Starts the server and waits until it listens. False with errorString() set
    // when it could not start.
    bool start(int timeoutMs = 30000)
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return fail(QStringLiteral("python3 not found"));
        QFile::remove(logPath());
        m_proc.setProgram(python);
        m_proc.setArguments(QStringList{SupportDir() + QStringLiteral("/test_server.py"), QStringLiteral("--root"),
                                        m_root, QStringLiteral("--log"), logPath(), QStringLiteral("--delay"),
                                        QString::number(m_delay)} +
                            m_extra);
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
    // "http://127.0.0.1:<port>" (or https) + path; path starts with "/".
    QString url(const QString &path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2").arg(m_scheme).arg(m_port) + path;
    }

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
    QStringList m_extra;
    QString m_scheme = QStringLiteral("http");
    QProcess m_proc;
    quint16 m_port = 0;
    QString m_error;
};

} // namespace testsupport
