#include "links/LinkClass.h"

#include "text/Trim.h"

namespace veldra::links
{

namespace
{

const QLatin1String kMailPrefix("mailto:");

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

QString LinkToolTip(const QString &word)
{
    switch (ClassifyLink(word)) {
    case LinkClass::WebLink:
        return QLatin1String("Click here to navigate at ") + word;
    case LinkClass::PrefixedMailLink:
        return QLatin1String("Click here to send mail to ") + word.mid(kMailPrefix.size());
    case LinkClass::BareMailAddress:
        return QLatin1String("Click here to send mail to ") + word;
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
        return word;
    case LinkClass::BareMailAddress:
        return kMailPrefix + word;
    case LinkClass::NotALink:
        break;
    }
    return QString();
}

QString HyperlinkToolTip(const QString &target)
{
    if (target.startsWith(kMailPrefix, Qt::CaseInsensitive))
        return QLatin1String("Click here to send mail to ") + target.mid(kMailPrefix.size());
    return QLatin1String("Click here to navigate at ") + target;
}

bool HoldsWebsite(const QString &fieldText)
{
    return !text::IsAllSpaces(fieldText) && fieldText != QLatin1String("none") && fieldText != QLatin1String("?");
}

} // namespace veldra::links
