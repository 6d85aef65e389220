#pragma once

#include <QAbstractSocket>
#include <QString>

class QUrl;

namespace veldra::transfer
{

// What went wrong with a request, in words for the user. `proxyName` names the
// proxy in use ("host:port"), or is empty without one: through a proxy the only
// connection made is the one to the proxy, so a refused connection or an
// unknown host is the proxy's.

// "host:port" of an http URL.
QString HostPort(const QUrl &url);

// A final answer other than 200: "HTTP 404 Not Found".
QString DescribeStatus(int status, const QString &reason, const QString &proxyName);

// A connection that failed; `fallback` is the socket's own description.
QString DescribeSocketError(QAbstractSocket::SocketError error, const QString &fallback, const QUrl &url,
                            const QString &proxyName);

QString DescribeClosedWithoutAnswer(const QUrl &url, const QString &proxyName);

// No data within the request time-out, and the whole download over its deadline.
QString DescribeIdleTimeout(const QUrl &url, int seconds);
QString DescribeDeadline(const QUrl &url, int seconds);

// A body larger than `maxBytes`.
QString DescribeSizeLimit(qint64 maxBytes);

// "256 MiB", "64 KiB", "1000 bytes".
QString FormatSize(qint64 bytes);

} // namespace veldra::transfer
