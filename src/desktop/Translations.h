#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace veldra::desktop
{

// The program's catalogue and Qt's own (the buttons of standard dialogs, the
// command line's own messages) for the first of the user's languages that has
// one. English is the language of the source texts: a user who puts it before
// any other gets no catalogue at all.
class Translations
{
public:
    // The languages come from the locale's uiLanguages(): LANGUAGE, LC_ALL,
    // LC_MESSAGES and LANG for the system's locale.
    explicit Translations(const QLocale &locale = QLocale());

    // Installs both catalogues into the application object that exists now;
    // a later application object needs its own call.
    void install();

    // "de", "fr", ... or empty while the source texts are shown.
    QString language() const { return m_language; }

    // A text in the user's language without an application object, for the
    // few messages printed while none can exist.
    static QString now(const char *context, const char *source);

    // Where the program's catalogues are built in.
    static QString folder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

} // namespace veldra::desktop
