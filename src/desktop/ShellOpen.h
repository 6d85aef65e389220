#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace veldra::desktop
{

// The URL the desktop is given for a target, or an empty URL when the target is
// refused. A downloaded document decides these targets, so only web (http,
// https, with a host) and mail (mailto) targets pass: a target that starts with
// "www." or is a plain host name goes out as "http://" + target, and nothing
// can reach a local file or start a program. Spaces around the target are
// ignored.
QUrl ShellOpenUrl(const QString &target);

// Opens a web or mail target with the desktop's program for it and returns at
// once; a refused target is dropped quietly, as is any failure of the desktop.
void ShellOpen(const QString &target);

// Where a window sends the targets its links open: empty, to the desktop
// through ShellOpen; a test records the calls instead. `url` is what the
// desktop would have been given (empty when refused).
struct ShellOpenCall {
    QString target;
    QUrl url;
};
using Opener = std::function<void(const ShellOpenCall &)>;
void OpenWith(const Opener &opener, const QString &target);

} // namespace veldra::desktop
