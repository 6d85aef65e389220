#include "links/LinkClass.h"

#include "links/LinkAddress.h"
#include "text/Trim.h"

#include <QCoreApplication>

namespace veldra::links
{

namespace
{

const QLatin1String kMailPrefix("mailto:");

// How much of a word its class reads from its front: never trimmed away.
int PrefixLength(const QString &word)
{
    switch (ClassifyLink(word)) {
    case LinkClass::WebLink:
        return word.startsWith(QLatin1String("www.")) ? 4 : 5;
    case LinkClass::PrefixedMailLink:
        return int(kMailPrefix.size());
    case LinkClass::BareMailAddress:
    case LinkClass::NotALink:
        break;
    }
    return 0;
}

QString NavigateTip(const QString &target)
{
    return QCoreApplication::translate("links", "Click here to navigate at %1").arg(target);
}

QString MailTip(const QString &address)
{
    return QCoreApplication::translate("links", "Click here to send mail to %1").arg(address);
}

} // namespace

LinkClass ClassifyLink(const QString &word)
{
    if (word.startsWith(QLatin1String("http:")) || word.startsWith(QLatin1String("www.")))
        return LinkClass::WebLink;
    if (word.startsWith(kMailPrefix))
        return LinkClass::PrefixedMailLink;
    if (word.contains(QLatin1Char('@')))
        return LinkClass::BareMailAddress;
    return LinkClass::NotALink;
}

QString LinkAddress(const QString &word)
{
    if (ClassifyLink(word) == LinkClass::NotALink)
        return QString();
    return TrimTrailingPunctuation(word, PrefixLength(word));
}

QString LinkToolTip(const QString &word)
{
    const QString address = LinkAddress(word);
    switch (ClassifyLink(word)) {
    case LinkClass::WebLink:
        return NavigateTip(address);
    case LinkClass::PrefixedMailLink:
        return MailTip(address.mid(kMailPrefix.size()));
    case LinkClass::BareMailAddress:
        return MailTip(address);
    case LinkClass::NotALink:
        break;
    }
    return QString();
}

QString LinkActivationTarget(const QString &word)
{
    switch (ClassifyLink(word)) {
    case LinkClass::WebLink:
    case LinkClass::PrefixedMailLink:
        return LinkAddress(word);
    case LinkClass::BareMailAddress:
        return kMailPrefix + LinkAddress(word);
    case LinkClass::NotALink:
        break;
    }
    return QString();
}

QString HyperlinkToolTip(const QString &target)
{
    if (target.startsWith(kMailPrefix, Qt::CaseInsensitive))
        return MailTip(target.mid(kMailPrefix.size()));
    return NavigateTip(target);
}

bool HoldsWebsite(const QString &fieldText)
{
    return !text::IsAllSpaces(fieldText) && fieldText != QLatin1String("none") && fieldText != QLatin1String("?");
}

} // namespace veldra::links
