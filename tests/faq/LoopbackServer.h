#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A test web server on 127.0.0.1 and a free port, serving the files of `root`
// and logging every request line. By default the shared test server
// (tests/support/test_server.py); slow_server.py here answers after a delay and
// also serves as a proxy.
class LoopbackServer
{
public:
    explicit LoopbackServer(const QString &root, const QString &script = QString(),
                            const QStringList &arguments = QStringList());
    ~LoopbackServer();

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString url(const QString &path) const;
    // Request lines received so far, such as "GET /a.txt HTTP/1.1".
    QStringList requests() const;
    // Starts the request log afresh.
    void forgetRequests();

private:
    QProcess m_process;
    QString m_log;
    int m_port = 0;
};
