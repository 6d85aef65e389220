#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::settings
{

// The per-user settings store: text values addressed by application name,
// section and key. On Linux it is the file $XDG_CONFIG_HOME/Veldra/<app>.conf.
// Every value is text and comes back exactly as it was written; a value edited
// by hand comes back as the text in the file, even where it looks like a list
// ("a,b") or a typed value ("@Rect(...)").

// The stored text, or `defaultValue` when the key is missing. A missing or
// unreadable file gives the default.
QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue = QString());

// Stores the text for the current user.
Status SaveSetting(const QString &appName, const QString &section, const QString &key, const QString &value);

// The file that holds the application's settings.
QString SettingsFileName(const QString &appName);

} // namespace veldra::settings
