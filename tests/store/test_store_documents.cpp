#include "StoreFixture.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

using namespace veldra::store;
using storetest::Doc;
using storetest::Names;
using veldra::Error;
using veldra::Result;
using veldra::Status;

namespace
{

QString Concurrent(const QString &prefix, int i)
{
    return QStringLiteral("%1-%2.txt").arg(prefix).arg(i);
}

// What each writer of writesAtOnce does: documents, reads and bookmarks.
Status WriteDocuments(LibraryStore &store, const QString &prefix, int count)
{
    const QString body = QStringLiteral("concurrent writing of many words ").repeated(150);
    for (int i = 0; i < count; ++i) {
        const QString name = Concurrent(prefix, i);
        if (Status indexed = store.indexDocument(Doc(name, prefix, body)); !indexed)
            return indexed;
        if (Status read = store.recordRead(name, prefix, QDateTime::currentDateTimeUtc()); !read)
            return read;
        if (Result<bool> marked = store.toggleBookmark(name, prefix, {}); !marked)
            return Error{marked.error()};
    }
    return {};
}

// The child process of writesAtOnce: --write STORE PREFIX COUNT.
int WriterMain(const QStringList &args)
{
    auto store = storetest::OpenStore(args[2]);
    const Status done = store ? WriteDocuments(*store, args[3], args[4].toInt()) : Status(Error{args[2]});
    if (!done)
        qWarning("%s", qPrintable(done.error()));
    return done ? 0 : 1;
}

} // namespace

class TestStoreDocuments : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void reindexReplaces();
    void marksDocumentsOffTheServer();
    void marksUpdatedSinceRead();
    void historyAndBookmarks();
    void rebuildsADamagedStore_data();
    void rebuildsADamagedStore();
    void writesAtOnce();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LibraryStore> m_store;
};

void TestStoreDocuments::init()
{
    m_store.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("store/library.sqlite"));
    m_store = storetest::OpenStore(m_path);
    QVERIFY(m_store);
    QCOMPARE(m_store->outcome(), OpenOutcome::Created);
}

void TestStoreDocuments::reindexReplaces()
{
    QVERIFY(m_store->indexDocument(Doc(QStringLiteral("a.txt"), QStringLiteral("First"), QStringLiteral("alpha"))));
    DocumentText second = Doc(QStringLiteral("a.txt"), QStringLiteral("Second"), QStringLiteral("beta"));
    second.etag = QStringLiteral("\"v2\"");
    second.lastModified = QString(2000, QLatin1Char('x')); // longer than any server's: not kept
    second.localPath = QStringLiteral("/elsewhere/a.txt");
    const Status replaced = m_store->indexDocument(second);
    QVERIFY2(replaced, qPrintable(replaced.error()));

    QCOMPARE(Names(m_store->search(QStringLiteral("alpha")).value()), QStringList());
    QCOMPARE(Names(m_store->search(QStringLiteral("first")).value()), QStringList());
    QCOMPARE(Names(m_store->search(QStringLiteral("beta second")).value()), QStringList{QStringLiteral("a.txt")});
    const std::optional<DocumentState> state = m_store->document(QStringLiteral("a.txt")).value();
    QVERIFY(state);
    QCOMPARE(state->etag, QStringLiteral("\"v2\""));
    QCOMPARE(state->lastModified, QString());
    QCOMPARE(state->localPath, QStringLiteral("/elsewhere/a.txt"));
    QCOMPARE(state->fetchedAt, second.fetchedAt);
    QVERIFY(!m_store->document(QStringLiteral("b.txt")).value().has_value());
    QVERIFY(!m_store->indexDocument(Doc(QString(), QStringLiteral("No name"), QStringLiteral("alpha"))));
}

void TestStoreDocuments::marksDocumentsOffTheServer()
{
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        QVERIFY(m_store->indexDocument(Doc(QLatin1String(name), QStringLiteral("Shared"), QStringLiteral("word"))));
    auto offServer = [this] {
        QStringList off;
        const SearchResults found = m_store->search(QStringLiteral("shared")).value();
        for (const SearchHit &hit : found.hits) {
            if (hit.offServer)
                off.append(hit.fileName);
        }
        off.sort();
        return off;
    };
    QVERIFY(m_store->markListed({QStringLiteral("a.txt"), QStringLiteral("other.txt")}));
    QCOMPARE(offServer(), (QStringList{QStringLiteral("b.txt"), QStringLiteral("c.txt")}));
    QVERIFY(m_store->document(QStringLiteral("b.txt")).value()->offServer);
    QVERIFY(m_store->markListed({QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    QCOMPARE(offServer(), QStringList{QStringLiteral("c.txt")});
    // A document the server sends again is on the server.
    QVERIFY(m_store->indexDocument(Doc(QStringLiteral("c.txt"), QStringLiteral("Shared"), QStringLiteral("word"))));
    QCOMPARE(offServer(), QStringList());
}

void TestStoreDocuments::marksUpdatedSinceRead()
{
    const QString name = QStringLiteral("a.txt");
    auto updated = [&] { return m_store->document(name).value()->updatedSinceRead; };
    QVERIFY(m_store->indexDocument(Doc(name, QStringLiteral("Subject"), QStringLiteral("one"))));
    QVERIFY(m_store->indexDocument(Doc(name, QStringLiteral("Subject"), QStringLiteral("two"))));
    QVERIFY2(!updated(), "never read");
    QVERIFY(m_store->recordRead(name, QStringLiteral("Subject"), {}));
    QVERIFY(m_store->document(name).value()->readAt.isValid());
    QVERIFY(m_store->indexDocument(Doc(name, QStringLiteral("Subject"), QStringLiteral("two"))));
    QVERIFY2(!updated(), "the same text again");
    QVERIFY(m_store->indexDocument(Doc(name, QStringLiteral("Subject"), QStringLiteral("three"))));
    QVERIFY(updated());
    QVERIFY(m_store->search(QStringLiteral("three")).value().hits.value(0).updatedSinceRead);
    QVERIFY(m_store->indexDocument(Doc(name, QStringLiteral("Subject"), QStringLiteral("three"))));
    QVERIFY2(updated(), "kept until read");
    QVERIFY(m_store->recordRead(name, QStringLiteral("Subject"), {}));
    QVERIFY(!updated());
}

void TestStoreDocuments::historyAndBookmarks()
{
    const QDateTime t0 = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
    QVERIFY(m_store->recordRead(QStringLiteral("a.txt"), QStringLiteral("A"), t0));
    QVERIFY(m_store->recordRead(QStringLiteral("b.txt"), QStringLiteral("B"), t0.addSecs(1)));
    QVERIFY(m_store->recordRead(QStringLiteral("a.txt"), QStringLiteral("A2"), t0.addSecs(2)));
    QList<ReadingEntry> reads = m_store->recentReads().value();
    QCOMPARE(reads.size(), 2);
    QCOMPARE(reads[0].fileName, QStringLiteral("a.txt"));
    QCOMPARE(reads[0].subject, QStringLiteral("A2"));
    QCOMPARE(reads[0].when, t0.addSecs(2));
    QVERIFY(m_store->removeRead(QStringLiteral("a.txt")));
    QCOMPARE(m_store->recentReads().value().size(), 1);
    for (int i = 0; i < Limits::kMaxHistory + 5; ++i)
        QVERIFY(m_store->recordRead(QStringLiteral("%1.txt").arg(i), QStringLiteral("S"), t0.addSecs(10 + i)));
    reads = m_store->recentReads(1000).value();
    QCOMPARE(reads.size(), Limits::kMaxHistory);
    QCOMPARE(reads.last().fileName, QStringLiteral("5.txt")); // the oldest went first

    QCOMPARE(m_store->toggleBookmark(QStringLiteral("a.txt"), QStringLiteral("A"), t0).value(), true);
    QCOMPARE(m_store->toggleBookmark(QStringLiteral("a.txt"), QStringLiteral("A"), t0).value(), false);
    QVERIFY(m_store->addBookmark(QStringLiteral("a.txt"), QStringLiteral("A"), t0));
    QVERIFY(m_store->addBookmark(QStringLiteral("b.txt"), QStringLiteral("B"), t0.addSecs(1)));
    QVERIFY(m_store->addBookmark(QStringLiteral("a.txt"), QStringLiteral("A new"), t0.addSecs(5)));
    QList<ReadingEntry> marks = m_store->bookmarks().value();
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks[0].fileName, QStringLiteral("b.txt"));
    QCOMPARE(marks[1].subject, QStringLiteral("A new"));
    QCOMPARE(marks[1].when, t0);
    QVERIFY(m_store->removeBookmark(QStringLiteral("b.txt")));
    QVERIFY(!m_store->isBookmarked(QStringLiteral("b.txt")).value());
    QVERIFY(m_store->isBookmarked(QStringLiteral("a.txt")).value());
}

void TestStoreDocuments::rebuildsADamagedStore_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("damaged pages") << "pages";
    QTest::newRow("other version") << "version";
    QTest::newRow("other tables") << "tables";
}

// The damage each row does to a closed store of 40 documents.
static void Damage(const QString &path, const QString &damage)
{
    QFile file(path);
    QByteArray garbage(64 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    if (damage == QLatin1String("garbage")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
    } else if (damage == QLatin1String("pages")) {
        // Two pages in the middle; the first page and the table list stay whole.
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() / 2));
        file.write(garbage.left(8192));
    } else if (damage == QLatin1String("truncated")) {
        QVERIFY(file.resize(file.size() / 2));
    } else {
        Connection connection;
        QVERIFY(connection.open(path));
        const QString change = damage == QLatin1String("version") ? QStringLiteral("PRAGMA user_version = 7")
                                                                  : QStringLiteral("DROP TABLE bookmarks");
        QVERIFY(connection.run(change));
    }
}

void TestStoreDocuments::rebuildsADamagedStore()
{
    QFETCH(QString, damage);
    for (int i = 0; i < 40; ++i)
        QVERIFY(m_store->indexDocument(Doc(QStringLiteral("%1.txt").arg(i), QStringLiteral("Kept"),
                                           QStringLiteral("words %1 ").arg(i).repeated(200))));
    QVERIFY(m_store->addBookmark(QStringLiteral("1.txt"), QStringLiteral("Kept"), {}));
    m_store.reset();
    QCOMPARE(storetest::OpenStore(m_path)->outcome(), OpenOutcome::Existing);
    Damage(m_path, damage);

    m_store = storetest::OpenStore(m_path);
    QVERIFY(m_store);
    QCOMPARE(m_store->outcome(), OpenOutcome::Rebuilt);
    QVERIFY(QFile::exists(DamagedCopyPath(m_path)));
    QCOMPARE(m_store->search(QStringLiteral("kept")).value().hits.size(), 0);
    QCOMPARE(m_store->bookmarks().value().size(), 0);
    QVERIFY(m_store->indexDocument(Doc(QStringLiteral("new.txt"), QStringLiteral("Fresh"), QStringLiteral("text"))));
    m_store.reset();
    m_store = storetest::OpenStore(m_path);
    QCOMPARE(m_store->outcome(), OpenOutcome::Existing);
    QCOMPARE(Names(m_store->search(QStringLiteral("fresh")).value()), QStringList{QStringLiteral("new.txt")});
}

// Two processes and two stores in this one write to the same file at once;
// every write must wait for its turn rather than fail.
void TestStoreDocuments::writesAtOnce()
{
    const int count = 60;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w].setProcessChannelMode(QProcess::ForwardedChannels);
        writers[w].start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--write"), m_path, QStringLiteral("child%1").arg(w), QString::number(count)});
    }
    auto second = storetest::OpenStore(m_path);
    QVERIFY(second);
    QCOMPARE(second->outcome(), OpenOutcome::Existing);
    QVERIFY(WriteDocuments(*m_store, QStringLiteral("first"), count));
    QVERIFY(WriteDocuments(*second, QStringLiteral("second"), count));
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(120000));
        QCOMPARE(writer.exitCode(), 0);
    }
    const Result<SearchResults> all = m_store->search(QStringLiteral("concurrent"));
    QVERIFY(all);
    QCOMPARE(all->hits.size(), 4 * count);
    QCOMPARE(m_store->bookmarks().value().size(), 4 * count);
    second.reset();
    m_store.reset();
    QCOMPARE(storetest::OpenStore(m_path)->outcome(), OpenOutcome::Existing);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--write"))
        return WriterMain(args);
    TestStoreDocuments test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_store_documents.moc"
