#include "document/LinkTarget.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrlQuery>

namespace veldra::document
{

namespace
{

// "example.com", "www.example.com:8080/faq/": a name the desktop can only read
// as a web server, never as a file.
bool IsPlainHostName(const QString &text)
{
    static const QRegularExpression host(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)*\\.?"
                       "(?::[0-9]{1,5})?(?:/[^\\s\\\\]*)?$"));
    return host.match(text).hasMatch();
}

// Mail programs honour header fields such as "attach" in a mailto URL; only the
// harmless ones are passed on, so a link cannot attach a local file to a mail.
QUrl WithSafeMailFields(QUrl url)
{
    if (!url.hasQuery())
        return url;
    static const QStringList allowed = {QStringLiteral("subject"), QStringLiteral("body"), QStringLiteral("cc"),
                                        QStringLiteral("bcc"), QStringLiteral("to")};
    QUrlQuery kept;
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
    for (const auto &item : items) {
        if (allowed.contains(item.first.toLower()))
            kept.addQueryItem(item.first, item.second);
    }
    url.setQuery(kept);
    return url;
}

} // namespace

QUrl SafeLinkUrl(const QString &target)
{
    const QString text = target.trimmed();
    if (text.isEmpty())
        return QUrl();
    QString candidate = text;
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive) || IsPlainHostName(text))
        candidate = QLatin1String("http://") + text;
    const QUrl url(candidate, QUrl::TolerantMode);
    if (!url.isValid())
        return QUrl();
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return url.host().isEmpty() ? QUrl() : url;
    if (scheme == QLatin1String("mailto")) {
        // A mail address has no fragment; what follows a "#" is only a way to
        // slip header fields ("#?attach=...") past the filter below.
        QUrl mail = url;
        mail.setFragment(QString());
        return WithSafeMailFields(mail);
    }
    return QUrl();
}

} // namespace veldra::document
