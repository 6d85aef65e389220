#include "desktop/Translations.h"

#include "desktop/Log.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace veldra::desktop
{

Translations::Translations(const QLocale &locale)
{
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language == QLatin1String("en") ||
            language.startsWith(QLatin1String("en_")))
            break;
        // load() drops "_DE" and the like itself when no catalogue has them.
        if (m_program.load(QStringLiteral("veldra_") + language, folder())) {
            m_language = m_program.language();
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            if (!m_qt.load(QStringLiteral("qtbase_") + language, qtFolder))
                qCInfo(lcDesktop) << "no Qt catalogue for" << language << "in" << qtFolder;
            break;
        }
    }
    qCDebug(lcDesktop) << "languages" << locale.uiLanguages() << "catalogue" << m_language;
}

void Translations::install()
{
    if (m_language.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_program);
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
}

QString Translations::now(const char *context, const char *source)
{
    const Translations translations;
    const QString text = translations.m_program.translate(context, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString Translations::folder()
{
    return QStringLiteral(":/i18n");
}

} // namespace veldra::desktop
