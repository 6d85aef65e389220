#pragma once

#include <QNetworkProxy>
#include <QString>

// Reads a channel's proxy text "host:port" into an HTTP proxy. The host must
// not be empty and the port must be a whole number from 1 to 65535; otherwise
// returns false with a description, so that a bad setting is reported instead
// of quietly connecting without the proxy.
bool ParseProxyText(const QString &text, QNetworkProxy *proxy, QString *error);
