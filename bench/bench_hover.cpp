// Cost of one pointer move over the reader body (finding the word under the
// pointer and setting the pointer and tooltip) in a 10 MB body against a 10 kB
// one. Prints hover_ratio_10mb_vs_10kb=<ratio>; the per-move times go to stderr.
#include "desktop/Twips.h"
#include "links/DetectLinkAtPoint.h"
#include "richtext/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

const QString kAppDir = QStringLiteral(VELDRA_SOURCE_DIR "/resources/");

// Lines of prose with web and mail links among plain words, CR LF between them.
QString MakeBody(int bytes)
{
    QString body;
    body.reserve(bytes + 128);
    for (int n = 0; body.size() < bytes; ++n) {
        body += QStringLiteral("Q%1: see www.example%1.org for the answer, or write to joe%1@example.org "
                               "(http://example.org/faq/%1.html) today.\r\n")
                    .arg(n);
    }
    body.truncate(bytes);
    return body;
}

struct Body {
    std::unique_ptr<veldra::richtext::RichTextBox> box;
    QString currentLink;
    std::vector<QPoint> points;
    std::vector<double> nsPerMove;
};

std::unique_ptr<Body> MakeReader(int bytes)
{
    auto b = std::make_unique<Body>();
    b->box = std::make_unique<veldra::richtext::RichTextBox>();
    b->box->resize(800, 600);
    b->box->setText(MakeBody(bytes));
    b->box->show();
    b->box->document()->documentLayout()->documentSize(); // lay out the whole body once
    QScrollBar *bar = b->box->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    for (int y = 5; y < 590; y += 13)
        for (int x = 3; x < 780; x += 37)
            b->points.push_back(QPoint(x, y));
    return b;
}

// One round: every point once, repeated until the round lasts long enough to time.
void MeasureRound(Body &b)
{
    const float tpp = float(veldra::desktop::kTwipsPerPixel);
    QElapsedTimer timer;
    timer.start();
    qint64 moves = 0;
    while (timer.nsecsElapsed() < 100'000'000) {
        for (const QPoint &p : b.points) {
            b.currentLink =
                veldra::links::DetectLinkAtPoint(*b.box, float(p.x()) * tpp, float(p.y()) * tpp, *b.box, kAppDir);
            ++moves;
        }
    }
    b.nsPerMove.push_back(double(timer.nsecsElapsed()) / double(moves));
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    auto small = MakeReader(10 * 1024);
    auto large = MakeReader(10 * 1024 * 1024);
    for (int round = 0; round < 7; ++round) {
        MeasureRound(*small);
        MeasureRound(*large);
    }
    const double smallNs = Median(small->nsPerMove), largeNs = Median(large->nsPerMove);
    std::fprintf(stderr, "per move: 10 kB %.1f us, 10 MB %.1f us\n", smallNs / 1000, largeNs / 1000);
    std::printf("hover_ratio_10mb_vs_10kb=%.2f\n", largeNs / smallNs);
    return 0;
}
