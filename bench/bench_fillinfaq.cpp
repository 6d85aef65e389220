// Filling the reader with a large document (5 MB, 20,000 links) against the
// cheapest way to show the same body: QTextEdit::setPlainText.
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/ReaderPanel.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

// Defaults of the benchmark; the command line may ask for a smaller case.
int bodyBytes = 5 * 1024 * 1024;
int linkCount = 20000;

// The body as the document holds it: ordinary prose lines, a link in every few.
QByteArray MakeBody()
{
    const QByteArray words = "the quick answer to this question is found in the settings dialog of the program ";
    QByteArray body;
    body.reserve(bodyBytes + 200);
    int links = 0;
    int line = 0;
    while (body.size() < bodyBytes) {
        QByteArray text = words.mid((line * 7) % 40, 60);
        if (links < linkCount && line % 2 == 0) {
            text += (links % 2 ? "see http://host" : "see www.host") + QByteArray::number(links) + ".example/page.html";
            ++links;
        } else {
            text += "and nothing else here";
        }
        body += text + "\r\n";
        ++line;
    }
    return body;
}

double Seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Optional: body size in kB and number of links, for looking at smaller cases.
    if (argc > 2) {
        bodyBytes = std::atoi(argv[1]) * 1024;
        linkCount = std::atoi(argv[2]);
    }
    QTemporaryDir dir;
    const QByteArray body = MakeBody();
    veldra::settings::Module1 state;
    state.AppName = QStringLiteral("Veldra");
    state.AppDir = dir.path() + QLatin1Char('/');
    state.FaqFile = state.AppDir + QStringLiteral("big.txt");
    {
        QFile f(state.FaqFile);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("Subject=Big\r\nAuthor=Bench\r\nVersion=1\r\nAuthorWEBSITE=none\r\n[body]\r\n" + body + "[/body]\r\n");
    }
    const QString plain = QString::fromLatin1(body).replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QWidget window;
    veldra::shell::ReaderPanel ui{new QLineEdit(&window), new QLineEdit(&window), new QLineEdit(&window),
                                  new QLineEdit(&window), new veldra::richtext::RichTextBox(&window)};
    ui.txtFAQ->setGeometry(0, 0, 600, 400);
    QTextEdit anchor(&window);
    anchor.setGeometry(0, 400, 600, 400);
    window.resize(600, 800);
    window.show();
    QApplication::processEvents();

    // Both widgets go on laying out the rest of a long text in the background
    // after the measured part. That is finished, untimed, before the other one
    // is measured: the reader lets events run while it works, and would
    // otherwise be timed against the other widget's layout.
    const auto finishLayout = [](QTextEdit *edit) { edit->document()->documentLayout()->documentSize(); };
    double best = 1e9, bestAnchor = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        anchor.setPlainText(plain);
        QApplication::processEvents();
        bestAnchor = std::min(bestAnchor, Seconds(t));
        finishLayout(&anchor);

        t.restart();
        veldra::shell::FillReaderPanel(ui, state);
        QApplication::processEvents();
        best = std::min(best, Seconds(t));
        finishLayout(ui.txtFAQ);
    }
    std::fprintf(stderr, "FillInFAQ %.3f s, setPlainText %.3f s, body %d bytes\n", best, bestAnchor, int(body.size()));
    std::printf("fillinfaq_ratio_vs_setplaintext=%.2f\n", best / bestAnchor);
    return 0;
}
