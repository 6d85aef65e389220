// Loading a 1 MB word-processor RTF document into the rich-text box against
// `unrtf --html` on the same file, the longest time the window's events wait
// while a 10 MB news document loads into a visible box, and the field
// reader's throughput on a 20 MB index-like text.
#include "richtext/RichTextBox.h"
#include "text/TextFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr qsizetype kRtfBytes = 1024 * 1024;
constexpr qsizetype kLargeRtfBytes = 10 * 1024 * 1024;
constexpr qsizetype kIndexBytes = 20 * 1024 * 1024;
constexpr int kRuns = 5;

// A small deterministic generator, so that every run reads the same document.
struct Lcg {
    quint32 state = 12345;
    quint32 next(quint32 n)
    {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    }
};

const char *const kWords[] = {"the",          "reader",     "shows",   "news",     "about",          "version",
                              "settings",     "proxy",      "server",  "index",    "download",       "with",
                              "links",        "and",        "tables",  "of",       "prices",         "for",
                              "our",          "users",      "program", "caf\\'e9", "r\\'e9sum\\'e9", "na\\'efve",
                              "\\u8364\\'80", "M\\'fcnchen"};

QByteArray Words(Lcg &rng, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ' ';
        out += kWords[rng.next(std::size(kWords))];
    }
    return out;
}

// What Word writes around every run of text.
QByteArray Run(const QByteArray &props, const QByteArray &text)
{
    return "{\\rtlch\\fcs1 \\af1 \\ltrch\\fcs0 " + props + "\\insrsid10123456 " + text + "}";
}

QByteArray MakeRtf(qsizetype size)
{
    Lcg rng;
    QByteArray rtf = "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\deflang1033{\\fonttbl"
                     "{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
                     "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}"
                     "{\\f2\\fswiss\\fcharset204\\fprq2 Arial CYR;}{\\f3\\fnil\\fcharset2 Symbol;}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;"
                     "\\red5\\green99\\blue193;\\red255\\green255\\blue0;}\n"
                     "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar \\f1\\fs22 \\snext0 Normal;}"
                     "{\\*\\cs10 \\additive Default Paragraph Font;}}\n"
                     "{\\info{\\title News}{\\author Editor}}{\\*\\generator Microsoft Word 16.0;}\n"
                     "\\paperw11906\\paperh16838\\margl1417\\margr1417\\sectd\\ltrsect\n";
    int para = 0;
    while (rtf.size() < size) {
        ++para;
        if (para % 12 == 0) {
            // A table row of three cells.
            QByteArray row = "\\trowd \\irow0\\ltrrow\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\brdrw10 "
                             "\\clbrdrt\\brdrs\\brdrw10 \\cellx3000\\clbrdrt\\brdrs\\brdrw10 \\cellx6000"
                             "\\clbrdrt\\brdrs\\brdrw10 \\cellx9000\\pard\\plain \\ltrpar\\ql \\intbl ";
            for (int c = 0; c < 3; ++c)
                row += Run("\\f1\\fs20", Words(rng, 3) + "\\cell ");
            row += "\\pard\\plain \\intbl " + Run("", "\\trowd \\irow0\\cellx3000\\cellx6000\\cellx9000\\row ") + "\n";
            rtf += row;
            continue;
        }
        if (para % 97 == 0) {
            // A small picture, as hex, with its metafile twin.
            QByteArray hex;
            for (int i = 0; i < 1500; ++i)
                hex += QByteArray::number(rng.next(256) | 0x100, 16).right(2) + (i % 64 == 63 ? "\n" : "");
            rtf += "{\\*\\shppict{\\pict\\picw423\\pich423\\picwgoal240\\pichgoal240\\pngblip " + hex +
                   "}}{\\nonshppict{\\pict\\wmetafile8 " + hex + "}}\n";
        }
        rtf += "\\pard\\plain \\ltrpar\\qj \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\wrapdefault\\aspalpha "
               "\\rtlch\\fcs1 \\af0\\afs22 \\ltrch\\fcs0 \\f1\\fs22\\lang1033\\langfe1033 ";
        const int runs = 4 + int(rng.next(6));
        for (int r = 0; r < runs; ++r) {
            switch (rng.next(8)) {
            case 0:
                rtf += Run("\\b", Words(rng, 2));
                break;
            case 1:
                rtf += Run("\\i", Words(rng, 3));
                break;
            case 2:
                rtf += Run("\\cf3", Words(rng, 2));
                break;
            case 3:
                rtf += "{\\field{\\*\\fldinst " +
                       Run("", " HYPERLINK \"http://www.example.org/page" + QByteArray::number(para) + "\" ") +
                       "}{\\fldrslt " + Run("\\cs15\\ul\\cf4", Words(rng, 2)) + "}}";
                break;
            case 4:
                rtf += Run("\\f2", "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\'ec\\'e8\\'f0");
                break;
            default:
                rtf += Run("", Words(rng, 6 + int(rng.next(10))) + ' ');
                break;
            }
        }
        rtf += Run("", "\n\\par ") + "\n";
    }
    rtf += "}\n";
    return rtf;
}

QByteArray MakeIndex()
{
    Lcg rng;
    QByteArray text;
    text.reserve(kIndexBytes + 200);
    int n = 0;
    while (text.size() < kIndexBytes) {
        text += "faq" + QByteArray::number(n++) + ".txt=";
        text += n % 5 == 0 ? "\"" + Words(rng, 6) + ", quoted\"" : Words(rng, 7);
        text += "]\r\n";
    }
    return text;
}

bool WriteFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

double Ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// True when the text edit has laid out the whole document.
bool LaidOut(const veldra::richtext::RichTextBox &box)
{
    const QTextLayout *last = box.document()->lastBlock().layout();
    return last && last->lineCount() > 0;
}

// Lets the event loop run until the box has laid the document out.
void WaitForLayout(const veldra::richtext::RichTextBox &box)
{
    QElapsedTimer t;
    t.start();
    while (!LaidOut(box) && t.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The longest gap between two turns of the event loop while `path` loads into
// a visible box, twice (the second load also drops the first document), and
// until the box has laid the document out.
double MaxBlockMs(const QString &path)
{
    veldra::richtext::RichTextBox box;
    box.resize(800, 600);
    box.show();
    QApplication::processEvents();
    double longest = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, Ms(sinceTick));
        sinceTick.restart();
    });
    for (int i = 0; i < 2; ++i) {
        bool done = false;
        QTimer::singleShot(0, [&] {
            if (!box.loadFile(path).ok())
                std::fprintf(stderr, "load failed\n");
            done = true;
        });
        sinceTick.start();
        ticker.start(0);
        while (!done)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        WaitForLayout(box);
        ticker.stop();
    }
    return longest;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString rtfPath = dir.filePath(QStringLiteral("news.rtf"));
    const QByteArray rtf = MakeRtf(kRtfBytes);
    // "bench_rtf --write FILE" only writes the document, to look at it;
    // "--write-large FILE" writes the 10 MB one.
    if (argc == 3 && QByteArray(argv[1]) == "--write")
        return WriteFile(QString::fromLocal8Bit(argv[2]), rtf) ? 0 : 1;
    if (argc == 3 && QByteArray(argv[1]) == "--write-large")
        return WriteFile(QString::fromLocal8Bit(argv[2]), MakeRtf(kLargeRtfBytes)) ? 0 : 1;
    if (!WriteFile(rtfPath, rtf)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(rtfPath));
        return 1;
    }

    // The load ends when the box shows the document's first screen; the text
    // edit lays out the rest afterwards, a piece at a time (the layout figure).
    std::vector<double> loads;
    std::vector<double> layouts;
    for (int i = 0; i < kRuns; ++i) {
        // Shown, like the news panel it loads into (offscreen when run headless).
        veldra::richtext::RichTextBox box;
        box.resize(800, 600);
        box.show();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        if (!box.loadFile(rtfPath))
            return 1;
        QApplication::processEvents();
        loads.push_back(Ms(t));
        WaitForLayout(box);
        layouts.push_back(Ms(t));
    }
    std::sort(loads.begin(), loads.end());
    std::sort(layouts.begin(), layouts.end());
    const double load = loads[loads.size() / 2];
    const double layout = layouts[layouts.size() / 2];

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    double anchor = 0;
    if (!unrtf.isEmpty()) {
        std::vector<double> anchors;
        for (int i = 0; i < kRuns; ++i) {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.setStandardErrorFile(QProcess::nullDevice());
            // unrtf writes the document's pictures into its working folder.
            p.setWorkingDirectory(dir.path());
            QElapsedTimer t;
            t.start();
            p.start(unrtf, {QStringLiteral("--html"), rtfPath});
            if (!p.waitForFinished(60000) || p.exitCode() != 0)
                return 1;
            anchors.push_back(Ms(t));
        }
        std::sort(anchors.begin(), anchors.end());
        anchor = anchors[anchors.size() / 2];
    }

    const QString largePath = dir.filePath(QStringLiteral("news10.rtf"));
    const QByteArray large = MakeRtf(kLargeRtfBytes);
    if (!WriteFile(largePath, large))
        return 1;
    const double maxBlock = MaxBlockMs(largePath);

    const QString indexPath = dir.filePath(QStringLiteral("index.txt"));
    const QByteArray index = MakeIndex();
    if (!WriteFile(indexPath, index))
        return 1;
    double fields = 1e18;
    qint64 count = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        veldra::text::TextFileReader file;
        if (!file.open(indexPath))
            return 1;
        count = 0;
        while (!file.atEnd()) {
            (void)ReadTextField(file);
            ++count;
        }
        fields = std::min(fields, Ms(t));
    }

    std::printf("rtf_bytes=%lld\n", static_cast<long long>(rtf.size()));
    std::printf("rtf_load_ms=%.1f\n", load);
    std::printf("rtf_layout_done_ms=%.1f\n", layout);
    if (anchor > 0) {
        std::printf("unrtf_html_ms=%.1f\n", anchor);
        std::printf("rtf_load_ratio_vs_unrtf=%.3f\n", load / anchor);
    } else {
        std::printf("# unrtf not found: no ratio\n");
    }
    std::printf("rtf_10mb_bytes=%lld\n", static_cast<long long>(large.size()));
    std::printf("rtf_10mb_max_block_ms=%.1f\n", maxBlock);
    std::printf("field_reader_fields=%lld\n", static_cast<long long>(count));
    std::printf("field_reader_mb_per_s=%.1f\n", double(index.size()) / (1024.0 * 1024.0) / (fields / 1000.0));
    return 0;
}
