// Read of a large document (3.8 MB, 80,000 links) through the main window, as a
// user meets it: the click on Read, the download from a loopback server, the
// filled reader and the layout of the body that follows. Prints the longest time
// the event loop was held up (nothing repaints or answers meanwhile), the peak
// memory above the level before the click, and the time from the click to the
// reader shown. One measurement per process, so that the memory figures start
// clean. With "bare", the same for a bare text edit given the body's plain text,
// for comparison; with "longline", the reader given a body that is one line of
// 50 MB with a link now and then.
#include "../tests/support/MainWindow.h"
#include "../tests/support/ProcessMemory.h"
#include "../tests/support/TestServer.h"
#include "desktop/Memory.h"
#include "richtext/RichTextBox.h"
#include "shell/SearchAction.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace
{

// 40,000 lines of about 95 bytes, each with a "www." and an "http:" link:
// 3.8 MB and 80,000 links.
QByteArray MakeDocument()
{
    QByteArray doc = "Subject=Big answer\r\nAuthor=Bench\r\nVersion=1\r\nAuthorWEBSITE=none\r\n[body]\r\n";
    for (int i = 0; i < 40000; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(5, '0');
        doc += "Case " + n + ": the answer is at www.example.org/cases/" + n + " and http://example.net/c/" + n +
               " too see\r\n";
    }
    return doc + "[/body]\r\n";
}

// One line of kLongLineBytes: words of seven letters, every thousandth a link.
constexpr qsizetype kLongLineBytes = 50 * 1024 * 1024;

QByteArray MakeLongLine()
{
    QByteArray line;
    line.reserve(kLongLineBytes);
    for (int i = 0; line.size() < kLongLineBytes; ++i)
        line += i % 1000 == 999 ? QByteArray("www.ex.org ") : QByteArray("letters ");
    line.truncate(kLongLineBytes);
    return line;
}

using testsupport::StatusKb;

// Starts the peak resident memory afresh from the current level.
void ResetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// The longest gap between the ticks of a fast timer: how long the event loop was
// held up at a time.
class BlockMeter : public QObject
{
public:
    BlockMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_timer.start();
    }
    double longestMs() const { return double(m_longest) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void Read(testsupport::MainWindow &w, const QString &tag)
{
    auto *results = w.child<QTreeWidget>("lstResults");
    results->clear();
    auto *item = new QTreeWidgetItem(results, {tag});
    item->setData(0, veldra::shell::kResultTagRole, tag);
    results->setCurrentItem(item);
    auto *read = w.child<QPushButton>("cmdRead");
    read->setEnabled(true);
    read->click();
}

// Runs the event loop until the text edit has laid out its whole document
// (asking for its size would lay it out at once), then a little longer.
void WaitForLayout(QTextEdit *edit)
{
    QElapsedTimer waited;
    waited.start();
    while (edit->document()->lastBlock().layout()->lineCount() == 0 && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    QElapsedTimer more;
    more.start();
    while (more.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

// With VELDRA_BENCH_EVENTS set, names every event that took longer than 40 ms
// to handle, to find where the event loop was held up.
class Application : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!m_trace)
            return QApplication::notify(receiver, event);
        QElapsedTimer t;
        t.start();
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        --m_depth;
        if (t.elapsed() > 40)
            std::fprintf(stderr, "  %lld ms: event %d to %s (depth %d)\n", t.elapsed(), int(event->type()),
                         receiver->metaObject()->className(), m_depth);
        return handled;
    }

private:
    const bool m_trace = qEnvironmentVariableIsSet("VELDRA_BENCH_EVENTS");
    int m_depth = 0;
};

// What is measured from the idle level on.
struct Measured {
    double longestBlockMs = 0;
    double peakMib = 0;
    double shownMs = 0;
};

// Measures `show` (which returns once the text is shown) and the layout that
// follows it.
template <typename Show> Measured Measure(QTextEdit *edit, Show show)
{
    const qint64 idleKb = StatusKb("VmRSS:");
    ResetPeak();
    BlockMeter meter;
    QElapsedTimer clock;
    Measured m;
    bool done = false;
    QTimer::singleShot(0, [&] {
        clock.start();
        show();
        m.shownMs = double(clock.nsecsElapsed()) / 1e6;
        done = true;
    });
    meter.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    WaitForLayout(edit);
    m.longestBlockMs = meter.longestMs();
    m.peakMib = double(StatusKb("VmHWM:") - idleKb) / 1024.0;
    std::fprintf(stderr, "shown after %.0f ms, laid out after %.0f ms\n", m.shownMs,
                 double(clock.nsecsElapsed()) / 1e6 - 200);
    return m;
}

// The reader: a click on Read, the download, the filled reader.
int MeasureReader(const QString &root, const QString &appDir, bool longLine)
{
    testsupport::TestServer server(root);
    if (!server.start()) {
        std::fprintf(stderr, "test server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    testsupport::MainWindow w(appDir, server.url(QStringLiteral("/software/corvane/")));
    w.state.AppName = QStringLiteral("Veldra");
    w.state.AppDir = appDir + QLatin1Char('/');
    w.state.HttpProxyPort = QStringLiteral("0");
    w.form->SetTVNodes();
    w.form->show();
    auto *box = w.child<veldra::richtext::RichTextBox>("txtFAQ");
    // A first small read sets up what every read needs (network, fonts, the
    // reader's widgets): the idle level is that of a program in use.
    Read(w, QStringLiteral("small.txt"));
    WaitForLayout(box);

    if (longLine) {
        const Measured m = Measure(box, [&w] { Read(w, QStringLiteral("long.txt")); });
        if (box->textLength() < kLongLineBytes) {
            std::fprintf(stderr, "the long line was not shown\n");
            return 1;
        }
        const double sizeMib = double(kLongLineBytes) / (1024.0 * 1024.0);
        std::printf("read_long_line_max_block_ms=%.1f\n", m.longestBlockMs);
        std::printf("read_long_line_peak_mib_over_idle=%.1f\n", m.peakMib);
        std::printf("read_long_line_peak_ratio_vs_size=%.2f\n", m.peakMib / sizeMib);
        std::printf("read_long_line_shown_ms=%.0f\n", m.shownMs);
        return 0;
    }
    const Measured m = Measure(box, [&w] { Read(w, QStringLiteral("big.txt")); });
    if (!box->text().contains(QLatin1String("Case 39999"))) {
        std::fprintf(stderr, "the body was not shown\n");
        return 1;
    }
    std::printf("read_big_max_block_ms=%.1f\n", m.longestBlockMs);
    std::printf("read_big_peak_mib_over_idle=%.1f\n", m.peakMib);
    std::printf("read_big_shown_ms=%.0f\n", m.shownMs);
    return 0;
}

// For comparison, the cheapest way to show the same body: a bare text edit of
// the reader's size given the plain text, read from the same bytes.
int MeasureBareTextEdit(const QString &path)
{
    QTextEdit edit;
    edit.resize(600, 330);
    edit.setUndoRedoEnabled(false);
    edit.show();
    edit.setPlainText(QStringLiteral("A short answer, see www.example.org."));
    WaitForLayout(&edit);
    const Measured m = Measure(&edit, [&edit, &path] {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        QString text = QString::fromLatin1(f.readAll());
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        edit.setPlainText(text);
    });
    std::printf("read_big_bare_textedit_max_block_ms=%.1f\n", m.longestBlockMs);
    std::printf("read_big_bare_textedit_peak_mib_over_idle=%.1f\n", m.peakMib);
    return 0;
}

} // namespace

// "bench_read_big" measures the reader, "bench_read_big bare" a bare text edit,
// "bench_read_big longline" the reader with one long line.
int main(int argc, char **argv)
{
    // As the program's main does.
    veldra::desktop::KeepLargeBuffersApart();
    Application app(argc, argv);
    QTemporaryDir dir;
    const QString www = dir.filePath(QStringLiteral("www/software/corvane"));
    const QString appDir = dir.filePath(QStringLiteral("app"));
    QDir().mkpath(www);
    QDir().mkpath(appDir);
    testsupport::WriteFile(www + QStringLiteral("/big.txt"), MakeDocument());
    testsupport::WriteFile(www + QStringLiteral("/small.txt"),
                           "Subject=Small\r\n[body]\r\nA short answer, see www.example.org.\r\n[/body]\r\n");
    if (argc > 1 && qstrcmp(argv[1], "bare") == 0)
        return MeasureBareTextEdit(www + QStringLiteral("/big.txt"));
    const bool longLine = argc > 1 && qstrcmp(argv[1], "longline") == 0;
    if (longLine)
        testsupport::WriteFile(www + QStringLiteral("/long.txt"),
                               "Subject=Long line\r\n[body]\r\n" + MakeLongLine() + "\r\n[/body]\r\n");
    return MeasureReader(dir.filePath(QStringLiteral("www")), appDir, longLine);
}
