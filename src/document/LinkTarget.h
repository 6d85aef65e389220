#pragma once

#include <QString>
#include <QUrl>

namespace veldra::document
{

// The URL a link of a document may lead to, or an empty URL when it is
// refused. A downloaded document decides these targets, so only web (http,
// https, with a host) and mail (mailto) targets pass: a target that starts with
// "www." or is a plain host name becomes "http://" + target, and nothing can
// reach a local file or start a program. Mail links keep only harmless header
// fields. Spaces around the target are ignored.
QUrl SafeLinkUrl(const QString &target);

} // namespace veldra::document
