// A damaged store is built again from the stored copies that the index lists:
// their subjects and bodies (rich text read as text) are found again.
#include "offline/IndexEntries.h"
#include "offline/RebuildStore.h"
#include "store/LibraryStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace veldra;

namespace
{

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestRebuildStore : public QObject
{
    Q_OBJECT
private slots:
    void damagedStoreIsRebuiltFromStoredCopies()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        QVERIFY(Write(folder + QStringLiteral("script.dat"),
                      "a.faq=Printing]\r\nb.faq=Mail]\r\n\"a.faq=Printing, again]\"\r\nmissing.faq=Gone]\r\n"
                      "../up.faq=Outside]\r\n\r\n"));
        QVERIFY(Write(folder + QStringLiteral("a.faq"),
                      "Subject=Printing\r\nAuthor=Desk\r\n[Body]\r\nThe toner is empty.\r\n[/Body]\r\n"));
        QVERIFY(Write(folder + QStringLiteral("b.faq"),
                      "Subject=Mail\r\n[Body]\r\n{\\rtf1\\ansi Ports for {\\b imap} and smtp.}\r\n[/Body]\r\n"));
        const QString storePath = folder + QStringLiteral("library.sqlite");
        QVERIFY(Write(storePath, QByteArray(8192, 'x')));

        auto opened = store::LibraryStore::open(storePath);
        QVERIFY2(opened, qPrintable(opened.error()));
        store::LibraryStore &s = *opened.value();
        QCOMPARE(s.outcome(), store::OpenOutcome::Rebuilt);

        const Result<QList<offline::IndexEntry>> entries =
            offline::ReadIndexEntries(folder + QStringLiteral("script.dat"));
        QVERIFY(entries);
        QCOMPARE(entries->size(), 3); // a.faq once, b.faq, missing.faq; never "../up.faq"

        const Result<int> rebuilt = offline::IndexStoredDocuments(s, folder + QStringLiteral("script.dat"), folder);
        QVERIFY2(rebuilt, qPrintable(rebuilt.error()));
        QCOMPARE(rebuilt.value(), 2);
        for (const char *word : {"toner", "imap"}) {
            const auto found = s.search(QString::fromLatin1(word));
            QVERIFY(found);
            QCOMPARE(found->hits.size(), 1);
        }
        // The RTF's own words are not indexed.
        const auto control = s.search(QStringLiteral("rtf1"));
        QVERIFY(control);
        QVERIFY(control->hits.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRebuildStore)
#include "test_rebuild_store.moc"
