#pragma once

#include <QString>

class QUrl;

namespace veldra::transfer
{

// What went wrong with a request, in words for the user. `proxyName` names the
// proxy in use ("host:port"), or is empty without one: through a proxy the only
// connection made is the one to the proxy, so a refused connection or an
// unknown host is the proxy's.

// "host:port" of an http or https URL.
QString HostPort(const QUrl &url);

// "the proxy server" or "the proxy server host:port".
QString ProxyLabel(const QString &proxyName);

// A final answer other than 200: "HTTP 404 Not Found". A 407 is always the
// proxy's: it says the proxy wants a user name and password.
QString DescribeStatus(int status, const QString &reason, const QString &proxyName);

QString DescribeClosedWithoutAnswer(const QUrl &url, const QString &proxyName);

// No data within the request time-out, and the whole download over its deadline.
QString DescribeIdleTimeout(const QUrl &url, int seconds);
QString DescribeDeadline(const QUrl &url, int seconds);
// Slower than `bytesPerSecond` for `seconds`.
QString DescribeLowSpeed(const QUrl &url, int bytesPerSecond, int seconds);

// A body larger than `maxBytes`.
QString DescribeSizeLimit(qint64 maxBytes);

// A redirect that is not followed: to another kind of address, or from an
// https address to a plain http one.
QString DescribeRedirectRefused(const QUrl &from, const QUrl &to);

// "256 MiB", "64 KiB", "1000 bytes".
QString FormatSize(qint64 bytes);

} // namespace veldra::transfer
