#include "transfer/ProxyText.h"

#include <QCoreApplication>

namespace veldra::transfer
{

namespace
{

bool IsPortNumber(const QString &text, quint16 *port)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    const int value = text.toInt();
    if (value < 1 || value > 65535)
        return false;
    *port = static_cast<quint16>(value);
    return true;
}

} // namespace

Result<ProxyAddress> ParseProxyText(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    QString host = (colon < 0 ? text : text.left(colon)).trimmed();
    const QString portText = colon < 0 ? QString() : text.mid(colon + 1).trimmed();
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    const QString prefix = QCoreApplication::translate("transfer", "Invalid proxy setting \"%1\": ").arg(text);
    if (host.isEmpty())
        return Error{prefix + QCoreApplication::translate("transfer", "no proxy server is named")};
    quint16 port = 0;
    if (!IsPortNumber(portText, &port))
        return Error{prefix +
                     QCoreApplication::translate("transfer", "the port must be a whole number from 1 to 65535")};
    return ProxyAddress{host, port};
}

} // namespace veldra::transfer
