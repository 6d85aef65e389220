// The library store's full-text index on a generated library.
//   generate DIR       writes DIR/docs/ (10,000 documents, about 50 MB: a
//                      subject line, an author line, a blank line, the body),
//                      DIR/anchor.sql (sqlite3 building the same store from
//                      the same files) and DIR/queries.txt (200 two-word queries)
//   build DIR STORE    indexes DIR/docs into STORE, one transaction per
//                      document; prints the peak memory in MiB (VmHWM)
//   query STORE FILE   runs each query of FILE once to warm up, then once
//                      timed; prints the milliseconds of each
#include "store/LibraryStore.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using veldra::store::DocumentText;
using veldra::store::LibraryStore;

namespace
{

constexpr int kDocuments = 10000;
constexpr int kQueries = 200;
constexpr int kStopWords = 100; // the most frequent words, never in a query

const char *const kCommonWords[] = {
    "the",    "of",    "and",   "to",    "a",      "in",    "is",    "that",  "for",  "it",   "as",    "with", "be",
    "on",     "not",   "this",  "by",    "are",    "or",    "from",  "at",    "an",   "but",  "you",   "can",  "which",
    "have",   "all",   "if",    "has",   "one",    "was",   "there", "more",  "when", "will", "other", "so",   "no",
    "your",   "out",   "up",    "into",  "do",     "any",   "than",  "then",  "only", "some", "its",   "also", "may",
    "use",    "these", "two",   "first", "new",    "each",  "how",   "most",  "such", "way",  "them",  "time", "used",
    "see",    "make",  "like",  "just",  "over",   "where", "what",  "many",  "same", "very", "after", "even", "set",
    "well",   "back",  "under", "both",  "while",  "here",  "must",  "those", "own",  "much", "does",  "file", "files",
    "system", "user",  "using", "menu",  "option", "page",  "type",  "text",  "name"};
const char *const kTopicWords[] = {
    "printer", "driver", "network", "proxy",   "server",      "font",     "mail",     "folder",   "window",
    "install", "update", "error",   "modem",   "keyboard",    "screen",   "colour",   "editor",   "archive",
    "backup",  "kernel", "memory",  "disk",    "partition",   "firewall", "router",   "password", "account",
    "browser", "cookie", "script",  "macro",   "spreadsheet", "database", "query",    "index",    "library",
    "café",    "résumé", "naïve",   "façade",  "Zürich",      "Ångström", "crème",    "señor",    "über",
    "déjà",    "Málaga", "Kraków",  "Øresund", "São",         "Genève",   "Besançon", "Köln",     "İzmir"};

// Made-up words of one to three syllables fill the long tail of the
// vocabulary; one syllable in forty has an accented vowel.
QString MadeUpWord(std::mt19937 &rng)
{
    static const char *const onsets[] = {"b", "c", "d", "f",  "g",  "h",  "k",  "l",  "m",  "n",  "p",  "r",  "s", "t",
                                         "v", "w", "z", "br", "cl", "dr", "fr", "gr", "pl", "st", "tr", "sh", "ch"};
    static const char *const vowels[] = {"a", "e", "i", "o", "u", "y", "ea", "ou", "ai"};
    static const char *const accented[] = {"é", "ü", "à", "ö"};
    static const char *const codas[] = {"n", "r", "s", "l", "t", "m", "x", "nd", "st"};
    QString word;
    do {
        word.clear();
        for (int s = 0, syllables = 1 + int(rng() % 3); s < syllables; ++s) {
            word += QString::fromUtf8(onsets[rng() % std::size(onsets)]);
            word += QString::fromUtf8(rng() % 40 ? vowels[rng() % std::size(vowels)]
                                                 : accented[rng() % std::size(accented)]);
            if (rng() % 2)
                word += QString::fromUtf8(codas[rng() % std::size(codas)]);
        }
    } while (word.size() < 3);
    return word;
}

struct Corpus {
    QStringList vocabulary; // by rank: common words first
    std::discrete_distribution<int> zipf;
};

// 30,000 words; word r is used in proportion to 1 / r (Zipf's law).
Corpus MakeCorpus(std::mt19937 &rng)
{
    Corpus corpus;
    for (const char *w : kCommonWords)
        corpus.vocabulary.append(QString::fromUtf8(w));
    QStringList rest;
    for (const char *w : kTopicWords)
        rest.append(QString::fromUtf8(w));
    while (rest.size() < 30000 - corpus.vocabulary.size())
        rest.append(MadeUpWord(rng));
    std::shuffle(rest.begin(), rest.end(), rng);
    corpus.vocabulary += rest;
    std::vector<double> weights;
    for (int r = 1; r <= corpus.vocabulary.size(); ++r)
        weights.push_back(1.0 / r);
    corpus.zipf = std::discrete_distribution<int>(weights.begin(), weights.end());
    return corpus;
}

QString Capitalized(const QString &word)
{
    return word.left(1).toUpper() + word.mid(1);
}

struct Generated {
    QString subject;
    QString author;
    QString body;
};

// A body of sentences and paragraphs, about 5 kB on average (log-normal). Each
// document has a few topic words of its own that it uses far more often.
Generated MakeDocument(Corpus &corpus, std::mt19937 &rng)
{
    std::lognormal_distribution<double> length(std::log(4200.0), 0.6);
    std::uniform_int_distribution<int> midRange(kStopWords, 5000);
    QStringList topics;
    for (int t = 0, n = 3 + int(rng() % 6); t < n; ++t)
        topics.append(corpus.vocabulary[midRange(rng)]);
    auto word = [&] { return rng() % 100 < 4 ? topics[rng() % topics.size()] : corpus.vocabulary[corpus.zipf(rng)]; };

    Generated doc;
    const int target = std::clamp(int(length(rng)), 300, 60000);
    int sentence = 0;
    while (doc.body.size() < target) {
        const int words = 6 + int(rng() % 15);
        for (int w = 0; w < words; ++w) {
            const QString next = word();
            doc.body += w == 0 || rng() % 50 == 0 ? Capitalized(next) : next;
            doc.body += w == words - 1 ? QStringLiteral(".") : (rng() % 12 == 0 ? QStringLiteral(",") : QString());
            doc.body += QLatin1Char(' ');
        }
        if (++sentence % (3 + int(rng() % 5)) == 0)
            doc.body += QStringLiteral("\n\n");
    }
    QStringList subject{Capitalized(topics[0])};
    for (int s = 0, n = 2 + int(rng() % 5); s < n; ++s)
        subject.append(s % 2 ? topics[rng() % topics.size()] : word());
    doc.subject = subject.join(QLatin1Char(' '));
    doc.author = Capitalized(corpus.vocabulary[midRange(rng)]) + QLatin1Char(' ') +
                 Capitalized(corpus.vocabulary[midRange(rng)]);
    return doc;
}

QString DocumentPath(const QString &dir, int i)
{
    return QStringLiteral("%1/docs/doc%2.txt").arg(dir).arg(i, 5, 10, QLatin1Char('0'));
}

QString SqlText(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The anchor reads each file and splits it into its fields in SQL, as the
// store's caller does in C++, and inserts it with the store's own statements:
// one transaction per document, the same journal and sync settings.
void WriteAnchorDocument(QTextStream &sql, const QString &dir, int i)
{
    const QString path = DocumentPath(dir, i);
    sql << "WITH f(t) AS (SELECT CAST(readfile(" << SqlText(path) << ") AS TEXT)),"
        << " h(t, l1, rest) AS (SELECT t, instr(t, char(10)), substr(t, instr(t, char(10)) + 1) FROM f)"
        << " INSERT INTO documents (file_name, subject, author, body, local_path, etag, last_modified, fetched_at)"
        << " SELECT " << SqlText(QFileInfo(path).fileName()) << ", substr(t, 10, l1 - 10),"
        << " substr(rest, 9, instr(rest, char(10)) - 9), substr(t, instr(t, char(10) || char(10)) + 2), "
        << SqlText(path) << ", '', '', 1700000000000 FROM h;\n";
}

int Generate(const QString &dir)
{
    std::mt19937 rng(20240601);
    Corpus corpus = MakeCorpus(rng);
    QDir().mkpath(dir + QStringLiteral("/docs"));
    QFile anchor(dir + QStringLiteral("/anchor.sql"));
    QFile queries(dir + QStringLiteral("/queries.txt"));
    if (!anchor.open(QIODevice::WriteOnly) || !queries.open(QIODevice::WriteOnly))
        return 1;
    QTextStream sql(&anchor);
    sql << "PRAGMA journal_mode = WAL;\nPRAGMA synchronous = NORMAL;\n";
    for (const QString &statement : veldra::store::SchemaStatements())
        sql << statement << ";\n";
    std::vector<Generated> sample;
    qint64 bytes = 0;
    for (int i = 0; i < kDocuments; ++i) {
        Generated doc = MakeDocument(corpus, rng);
        QFile file(DocumentPath(dir, i));
        const QByteArray text =
            QStringLiteral("Subject: %1\nAuthor: %2\n\n%3").arg(doc.subject, doc.author, doc.body).toUtf8();
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
        bytes += text.size();
        WriteAnchorDocument(sql, dir, i);
        if (i % (kDocuments / kQueries) == 0)
            sample.push_back(std::move(doc));
    }
    // Two words of one document that are not among the most common ones,
    // picked where they occur (so frequent words come up more often), as a
    // user remembers them from a document read before.
    const QSet<QString> common(corpus.vocabulary.begin(), corpus.vocabulary.begin() + kStopWords);
    QTextStream out(&queries);
    for (const Generated &doc : sample) {
        QStringList words;
        for (const QString &w : doc.body.split(QRegularExpression(QStringLiteral("[\\s.,]+")), Qt::SkipEmptyParts)) {
            if (!common.contains(w.toLower()))
                words.append(w.toLower());
        }
        const QString first = words[rng() % words.size()];
        QString second = first;
        while (second == first)
            second = words[rng() % words.size()];
        out << first << ' ' << second << '\n';
    }
    std::fprintf(stderr, "generated %d documents, %.1f MB\n", kDocuments, double(bytes) / 1e6);
    return 0;
}

double PeakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

std::unique_ptr<LibraryStore> Open(const QString &path)
{
    auto opened = LibraryStore::open(path);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return nullptr;
    }
    return std::move(opened).value();
}

int Build(const QString &dir, const QString &storePath)
{
    auto store = Open(storePath);
    if (!store)
        return 1;
    for (int i = 0; i < kDocuments; ++i) {
        QFile file(DocumentPath(dir, i));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype line1 = text.indexOf(QLatin1Char('\n'));
        const qsizetype line2 = text.indexOf(QLatin1Char('\n'), line1 + 1);
        DocumentText doc;
        doc.fileName = QFileInfo(file).fileName();
        doc.subject = text.mid(9, line1 - 9);
        doc.author = text.mid(line1 + 9, line2 - line1 - 9);
        doc.body = text.mid(line2 + 2);
        doc.localPath = file.fileName();
        doc.fetchedAt = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
        if (const auto indexed = store->indexDocument(doc); !indexed) {
            std::fprintf(stderr, "%s\n", qPrintable(indexed.error()));
            return 1;
        }
    }
    store.reset();
    std::printf("%.1f\n", PeakMiB());
    return 0;
}

int Query(const QString &storePath, const QString &queryFile)
{
    QElapsedTimer opening;
    opening.start();
    auto store = Open(storePath);
    if (!store)
        return 1;
    std::fprintf(stderr, "open_ms=%.1f\n", double(opening.nsecsElapsed()) / 1e6);
    QFile file(queryFile);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QStringList queries = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &q : queries)
        (void)store->search(q);
    std::vector<int> hits;
    for (const QString &q : queries) {
        QElapsedTimer timer;
        timer.start();
        const auto found = store->search(q);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (!found || found->hits.isEmpty()) {
            std::fprintf(stderr, "no hits for %s\n", qPrintable(q));
            return 1;
        }
        hits.push_back(int(found->hits.size()));
        std::printf("%.3f\n", ms);
    }
    std::sort(hits.begin(), hits.end());
    std::fprintf(stderr, "hits per query: median %d, p95 %d, max %d\n", hits[hits.size() / 2],
                 hits[hits.size() * 95 / 100], hits.back());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("generate"))
        return Generate(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("build"))
        return Build(args[2], args[3]);
    if (args.size() == 4 && args[1] == QLatin1String("query"))
        return Query(args[2], args[3]);
    std::fprintf(stderr, "usage: bench_fulltext generate DIR | build DIR STORE | query STORE QUERIES\n");
    return 2;
}
