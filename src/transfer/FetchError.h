#pragma once

#include <QString>

class QNetworkReply;

namespace veldra::transfer
{

// What went wrong with a finished request, in words for the user; empty when
// the whole document arrived. An HTTP status of 400 or more counts as a
// failure: an error page is never taken for the document. `proxyName` names
// the proxy in use ("host:port"), or is empty without one.
QString DescribeFetchFailure(QNetworkReply *reply, qint64 bytesReceived, const QString &proxyName);

} // namespace veldra::transfer
