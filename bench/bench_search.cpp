// Times the whole search action (read, scan, list fill, file-name lookups) with
// the real main window offscreen. "generate DIR TERM" writes indexes of 10,000,
// 100,000 and 1,000,000 records into DIR, one of 1,000,000 records that all
// hold TERM and two whose hits have long subjects that begin alike, of 6 and
// 48 MB together; "measure FILE TERM RUNS" searches one
// of them RUNS times and prints each time in milliseconds.
#include "../tests/support/MainWindow.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>

namespace
{

// About 50 bytes a record; one in ten quoted with commas, and TERM in various
// cases in one record of 15 so that every size has more than 500 hits.
QByteArray GenerateIndex(int records, const QString &term)
{
    const QStringList words = {QStringLiteral("printing"), QStringLiteral("Proxy"),  QStringLiteral("editor"),
                               QStringLiteral("Network"),  QStringLiteral("mail"),   QStringLiteral("server"),
                               QStringLiteral("fonts"),    QStringLiteral("École"),  QStringLiteral("update"),
                               QStringLiteral("Windows"),  QStringLiteral("colour"), QStringLiteral("set-up")};
    const QStringList forms = {term, term.toUpper(), term.toLower()};
    std::mt19937 rng(42);
    QString text;
    text.reserve(qsizetype(records) * 52);
    for (int i = 0; i < records; ++i) {
        QString subject = words[rng() % words.size()] + QLatin1Char(' ') + words[rng() % words.size()];
        if (i % 15 == 7)
            subject += QLatin1Char(' ') + forms[rng() % forms.size()];
        const QString name = QStringLiteral("faq%1.txt").arg(i, 7, 10, QLatin1Char('0'));
        if (i % 10 == 3)
            text += QStringLiteral("\"%1=%2, part %3]\"\r\n").arg(name, subject).arg(i);
        else
            text += QStringLiteral("%1=%2 no. %3]\r\n").arg(name, subject).arg(i);
    }
    return veldra::text::EncodeAnsi(text);
}

// Every record holds TERM with the same text on either side, as far as the
// record number: the file names of 500 near-identical subjects are looked for
// at every one of a million occurrences.
QByteArray GenerateAlike(int records, const QString &term)
{
    QString text;
    text.reserve(qsizetype(records) * 48);
    for (int i = 0; i < records; ++i)
        text +=
            QStringLiteral("faq%1.txt=Printing with %2 fonts no. %1]\r\n").arg(i, 7, 10, QLatin1Char('0')).arg(term);
    return veldra::text::EncodeAnsi(text);
}

// 500 hits whose subjects begin with the same `shared` bytes of words and
// end with their number, then 1,000 records that repeat the shared text with
// other numbers: the hits' subjects, hundreds of kilobytes together, are each
// looked for in every long field.
QByteArray GenerateLongSubjects(int shared, const QString &term)
{
    const QStringList words = {QStringLiteral("printing"), QStringLiteral("proxy"), QStringLiteral("editor"),
                               QStringLiteral("network"),  QStringLiteral("mail"),  QStringLiteral("server"),
                               QStringLiteral("fonts"),    QStringLiteral("update")};
    std::mt19937 rng(5);
    QString text;
    while (text.size() < shared)
        text += words[rng() % words.size()] + QLatin1Char(' ');
    text.truncate(shared);
    QString index;
    for (int i = 0; i < 1500; ++i) {
        const QString number = QString::number(i);
        index += QLatin1String(i < 500 ? "faq" : "more") + number + QLatin1String(".txt=") + term + QLatin1Char(' ') +
                 text + QLatin1String(i < 500 ? " i" : " j") + number + QLatin1String("]\r\n");
    }
    return veldra::text::EncodeAnsi(index);
}

int Generate(const QString &dir, const QString &term)
{
    for (const auto &[shared, label] : {std::pair{12000, "small"}, std::pair{96000, "big"}}) {
        QFile f(dir + QStringLiteral("/index_long_%1.dat").arg(QLatin1String(label)));
        if (!f.open(QIODevice::WriteOnly) || f.write(GenerateLongSubjects(shared, term)) < 0)
            return 1;
    }

    QFile alike(dir + QStringLiteral("/index_alike_1m.dat"));
    if (!alike.open(QIODevice::WriteOnly) || alike.write(GenerateAlike(1000000, term)) < 0)
        return 1;

    const struct {
        int records;
        const char *label;
    } sizes[] = {{10000, "10k"}, {100000, "100k"}, {1000000, "1m"}};
    for (const auto &size : sizes) {
        QFile f(dir + QStringLiteral("/index_%1.dat").arg(QLatin1String(size.label)));
        if (!f.open(QIODevice::WriteOnly) || f.write(GenerateIndex(size.records, term)) < 0)
            return 1;
    }
    return 0;
}

// Prints the time of each run after a first one that warms the caches.
int Measure(const QString &path, const QString &term, int runs)
{
    testsupport::MainWindow w;
    w.state.AppName = QStringLiteral("Veldra");
    w.state.IndexFile = path;
    veldra::shell::Form1 *form = w.form.get();
    QLineEdit *box = w.child<QLineEdit>("txtSearchText");
    QTextStream out(stdout);
    for (int run = 0; run <= runs; ++run) {
        box->setText(term);
        QElapsedTimer timer;
        timer.start();
        form->cmdSearch_Click();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (run > 0)
            out << QString::number(ms, 'f', 2) << '\n';
    }
    return form->search().SearchHitCount() > 0 ? 0 : 1;
}

// Prints, for each run, the longest time the window thread went without
// handling its events during the search, in milliseconds: a timer that fires
// whenever the thread is free notes the gaps.
int Stalls(const QString &path, const QString &term, int runs)
{
    testsupport::MainWindow w;
    w.state.AppName = QStringLiteral("Veldra");
    w.state.IndexFile = path;
    veldra::shell::Form1 *form = w.form.get();
    QLineEdit *box = w.child<QLineEdit>("txtSearchText");
    QTextStream out(stdout);
    QElapsedTimer since;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, since.nsecsElapsed());
        since.start();
    });
    tick.start();
    for (int run = 0; run < runs; ++run) {
        box->setText(term);
        longest = 0;
        since.start();
        form->cmdSearch_Click();
        longest = std::max(longest, since.nsecsElapsed());
        out << QString::number(double(longest) / 1e6, 'f', 2) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("generate"))
        return Generate(args[2], args[3]);
    if (args.size() == 5 && args[1] == QLatin1String("stalls"))
        return Stalls(args[2], args[3], args[4].toInt());
    if (args.size() == 5 && args[1] == QLatin1String("measure"))
        return Measure(args[2], args[3], args[4].toInt());
    std::fprintf(stderr, "usage: bench_search generate DIR TERM | measure FILE TERM RUNS | stalls FILE TERM RUNS\n");
    return 2;
}
