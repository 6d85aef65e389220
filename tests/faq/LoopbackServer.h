#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// slow_server.py on 127.0.0.1 and a free port: serves the files of `root` after
// a delay, also when asked as a proxy, and logs every request line.
class LoopbackServer
{
public:
    LoopbackServer(const QString &root, double delaySeconds);
    ~LoopbackServer();

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    // Request lines received so far, such as "GET /a.txt HTTP/1.1".
    QStringList requests() const;

private:
    QProcess m_process;
    QString m_log;
    int m_port = 0;
};
