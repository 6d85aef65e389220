#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStringDecoder>

namespace veldra::settings
{

namespace
{

const QString kOrganisation = QStringLiteral("Veldra");

QSettings OpenStore(const QString &appName)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, appName);
}

// The text after "key=" in the section, as it stands in the file. QSettings
// reads an unquoted comma as a list separator and "@Name(...)" as a typed
// value; a value written by hand in that shape still means its plain text.
bool RawValue(const QString &fileName, const QString &section, const QString &key, QString *value)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    bool inSection = false;
    bool found = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inSection = line.endsWith(u']') && line.sliced(1, line.size() - 2).trimmed() == section;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.first(eq).trimmed() == key) {
            // As QSettings does, the last of repeated keys wins.
            *value = line.sliced(eq + 1).trimmed().toString();
            found = true;
        }
    }
    return found;
}

} // namespace

QString GetSetting(const QString &appName, const QString &section, const QString &key, const QString &defaultValue)
{
    const QSettings store = OpenStore(appName);
    const QString path = section + QLatin1Char('/') + key;
    if (!store.contains(path))
        return defaultValue;
    const QVariant v = store.value(path);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    QString raw;
    return RawValue(store.fileName(), section, key, &raw) ? raw : defaultValue;
}

Status SaveSetting(const QString &appName, const QString &section, const QString &key, const QString &value)
{
    QSettings store = OpenStore(appName);
    store.setValue(section + QLatin1Char('/') + key, value);
    store.sync();
    // A file QSettings could not parse is rewritten whole; only a failed write counts.
    if (store.status() == QSettings::AccessError)
        return Error{QCoreApplication::translate("settings", "cannot write ") + store.fileName()};
    return {};
}

QString SettingsFileName(const QString &appName)
{
    return OpenStore(appName).fileName();
}

} // namespace veldra::settings
