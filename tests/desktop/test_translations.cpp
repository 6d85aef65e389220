// The catalogue follows the user's languages, English first means none, and
// the texts built from pieces (plurals, dates) read right once it is installed.
#include "desktop/Translations.h"
#include "settings/OfflineCopies.h"
#include "transfer/FetchError.h"

#include <QCoreApplication>
#include <QTest>
#include <QUrl>

using namespace veldra;

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void catalogueForTheLanguage_data();
    void catalogueForTheLanguage();
    void installedCatalogueWordsThePieces();
};

void TestTranslations::catalogueForTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("de");
    QTest::newRow("Swiss French") << QStringLiteral("fr_CH") << QStringLiteral("fr");
    QTest::newRow("English") << QStringLiteral("en_US") << QString();
    QTest::newRow("no catalogue") << QStringLiteral("it_IT") << QString();
    QTest::newRow("C") << QStringLiteral("C") << QString();
}

void TestTranslations::catalogueForTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const desktop::Translations translations{QLocale(locale)};
    QCOMPARE(translations.language(), language);
}

void TestTranslations::installedCatalogueWordsThePieces()
{
    const QUrl url(QStringLiteral("http://faq.example.org/"));
    const QDateTime day(QDate(2026, 12, 9), QTime(12, 0));
    QCOMPARE(transfer::DescribeIdleTimeout(url, 1),
             QStringLiteral("Time-out: no answer from faq.example.org:80 within 1 second"));
    QCOMPARE(settings::OfflineDate(day), QStringLiteral("9 December 2026"));

    desktop::Translations german{QLocale(QStringLiteral("de_DE"))};
    german.install();
    QCOMPARE(transfer::DescribeIdleTimeout(url, 1),
             QStringLiteral("Zeitüberschreitung: keine Antwort von faq.example.org:80 innerhalb von 1 Sekunde"));
    QCOMPARE(
        transfer::DescribeDeadline(url, 120),
        QStringLiteral("Zeitüberschreitung: das Dokument von faq.example.org:80 kam nicht innerhalb von 2 Minuten an"));
    QCOMPARE(settings::OfflineDate(day), QStringLiteral("9. Dezember 2026"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
