#include "desktop/Twips.h"
#include "desktop/TwipsCanvas.h"
#include "richtext/RichTextBox.h"
#include "settings/SettingsStore.h"
#include "shell/Form2.h"
#include "shell/Form5.h"
#include "shell/WindowPlacement.h"
#include "support/Files.h"
#include "support/MainWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include <cmath>

using namespace veldra;
using testsupport::Child;

// How the windows look at other font sizes, on small screens and in a dark
// theme, and where the main window opens.
class TestAppearance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void largeFontClipsNoCaption();
    void windowGrowsWithTheFontAndStaysOnTheScreen();
    void placeIsRememberedPerUser();
    void forgottenOrLostPlaceFallsBackToTheLayouts();
    void fitInside_data();
    void fitInside();
    void clientPlace_data();
    void clientPlace();
    void darkThemeKeepsDocumentsReadable();

private:
    testsupport::MainWindow *makeWindow();
    QTemporaryDir m_config;
    QTemporaryDir *m_dir = nullptr;
    testsupport::MainWindow *w = nullptr;
    QFont m_font;
    QPalette m_palette;
};

namespace
{

QString Shown(const QString &caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

// Whether a caption's text fits the control that shows it; `why` says where not.
bool CaptionFits(QWidget *w, QString *why)
{
    const QFontMetrics fm(w->font());
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return true;
        const QRect room = label->contentsRect();
        const QRect needed = label->wordWrap()
                                 ? fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text())
                                 : fm.boundingRect(label->text());
        *why = QStringLiteral("label %1 \"%2\": %3x%4 text in %5x%6")
                   .arg(label->objectName(), label->text())
                   .arg(label->wordWrap() ? needed.width() : fm.horizontalAdvance(label->text()))
                   .arg(needed.height())
                   .arg(room.width())
                   .arg(room.height());
        return (label->wordWrap() || fm.horizontalAdvance(label->text()) <= room.width()) &&
               needed.height() <= room.height() + 1;
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        *why = QStringLiteral("button %1 \"%2\": %3 px text in %4x%5")
                   .arg(button->objectName(), button->text())
                   .arg(fm.horizontalAdvance(Shown(button->text())))
                   .arg(button->width())
                   .arg(button->height());
        return fm.horizontalAdvance(Shown(button->text())) + 2 * margin <= button->width() &&
               fm.height() <= button->height();
    }
    if (auto *box = qobject_cast<QLineEdit *>(w)) {
        *why = QStringLiteral("box %1: %2 high for a %3 px line")
                   .arg(box->objectName())
                   .arg(box->height())
                   .arg(fm.height());
        return fm.height() + 2 <= box->height();
    }
    return true;
}

void CheckCaptions(QWidget *window)
{
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisibleTo(window))
            continue;
        QString why;
        QVERIFY2(CaptionFits(w, &why), qPrintable(why));
    }
}

double Luminance(const QColor &c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The lowest contrast of any text in the box against what is behind it, with
// the stretch that has it; links are counted apart.
struct Lowest {
    double text = 100, link = 100;
    QString where;
    int links = 0;
};

Lowest LowestContrast(const richtext::RichTextBox &box)
{
    Lowest low;
    const QPalette pal = box.palette();
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (frag.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat f = frag.charFormat();
            const bool link = f.isAnchor();
            QColor fg = pal.color(link ? QPalette::Link : QPalette::Text);
            if (f.foreground().style() != Qt::NoBrush)
                fg = f.foreground().color();
            const QColor bg =
                f.background().style() != Qt::NoBrush ? f.background().color() : pal.color(QPalette::Base);
            const double c = Contrast(fg, bg);
            double &lowest = link ? low.link : low.text;
            low.links += link;
            if (c < lowest) {
                lowest = c;
                low.where = frag.text() + QStringLiteral(" (%1 on %2)").arg(fg.name(), bg.name());
            }
        }
    }
    return low;
}

} // namespace

void TestAppearance::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    m_font = QApplication::font();
    m_palette = QApplication::palette();
}

void TestAppearance::init()
{
    m_dir = new QTemporaryDir;
    QFile::remove(settings::SettingsFileName(QStringLiteral("Veldra")));
    // A font whose window fits the test screen, unless a test asks for another.
    QFont font = m_font;
    font.setPixelSize(8);
    QApplication::setFont(font);
}

void TestAppearance::cleanup()
{
    delete w;
    w = nullptr;
    delete m_dir;
    QApplication::setFont(m_font);
    QApplication::setPalette(m_palette);
}

testsupport::MainWindow *TestAppearance::makeWindow()
{
    delete w;
    w = new testsupport::MainWindow;
    w->state.AppName = QStringLiteral("Veldra");
    w->state.AppDir = m_dir->path() + QLatin1Char('/');
    w->form->SetTVNodes();
    return w;
}

void TestAppearance::largeFontClipsNoCaption()
{
    QFont large = m_font;
    large.setPointSizeF(14);
    QApplication::setFont(large);
    makeWindow();
    shell::Form1 *f = w->form.get();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    // Every panel, and the info box with every node's texts.
    for (int node = 1; node <= 8; ++node) {
        if (node == 6 || node == 8)
            f->TV_NodeSelected(f->TVNode(node)); // the texts, without the dialogs
        else
            f->TV_NodeClick(f->TVNode(node));
        CheckCaptions(f);
    }
    w->child<QLabel>("Label2")->setText(QStringLiteral("Found: 500"));
    f->TV_NodeClick(f->TVNode(3));
    CheckCaptions(f);
    // Squeezed as low as the layout goes before it scrolls.
    auto *canvas = Child<desktop::TwipsCanvas>(f, "Form1Canvas");
    f->resize(canvas->smallestSize());
    QTRY_COMPARE(canvas->canvas()->size(), canvas->smallestSize());
    for (int node : {2, 3, 4}) {
        f->TV_NodeClick(f->TVNode(node));
        CheckCaptions(f);
    }
    // Lower still (a large font on a small screen) the layout and its text are
    // drawn smaller: no scroll bar, every control inside its panel.
    f->resize(canvas->smallestSize() * 0.85);
    QTRY_VERIFY(canvas->canvas()->height() <= canvas->viewport()->height());
    QVERIFY(canvas->canvas()->width() <= canvas->viewport()->width());
    QVERIFY(canvas->canvas()->font().pointSizeF() < large.pointSizeF());
    for (int node : {2, 3, 4}) {
        f->TV_NodeClick(f->TVNode(node));
        CheckCaptions(f);
        for (const char *panel : {"Frame2", "frameNews", "frameSearchOnline", "frameReader"}) {
            auto *frame = w->child<QGroupBox>(panel);
            for (QWidget *control : frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(!control->isVisibleTo(frame) || frame->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
    }
    // The tree's items, with their icons and indentation, fit its width.
    auto *TV = w->child<QTreeWidget>("TV");
    const QFontMetrics fm(TV->font());
    for (int node = 1; node <= 8; ++node) {
        const QRect item = TV->visualItemRect(f->TVNode(node));
        QVERIFY(item.height() >= fm.height());
        const int depth = f->TVNode(node)->parent() ? 1 : 0;
        QVERIFY2(TV->indentation() * (depth + 1) + TV->iconSize().width() +
                         fm.horizontalAdvance(f->TVNode(node)->text(0)) <
                     TV->viewport()->width(),
                 qPrintable(f->TVNode(node)->text(0)));
    }
    // The proxy dialog and the progress window as well.
    shell::Form5 dlg(w->state, f);
    dlg.show();
    CheckCaptions(&dlg);
    f->progress().ShowProgress(QStringLiteral("Search"), QStringLiteral("Please wait, searching..."), true, true);
    CheckCaptions(f->progress().existing());
    f->progress().setStatus(QStringLiteral("Checking server's filename for subject: a long subject of some length"));
    CheckCaptions(f->progress().existing());
    f->progress().close();
}

void TestAppearance::windowGrowsWithTheFontAndStaysOnTheScreen()
{
    QFont font = m_font;
    font.setPixelSize(12);
    QApplication::setFont(font);
    const QSize small = makeWindow()->form->size();
    font.setPixelSize(24);
    QApplication::setFont(font);
    makeWindow();
    shell::Form1 *f = w->form.get();
    const QSize large = f->size();
    // Twice the font, about twice the window, in the same proportions.
    QVERIFY2(large.width() >= small.width() * 1.8 && large.height() >= small.height() * 1.8,
             qPrintable(QStringLiteral("%1x%2 to %3x%4")
                            .arg(small.width())
                            .arg(small.height())
                            .arg(large.width())
                            .arg(large.height())));
    QVERIFY(qAbs(double(large.width()) / large.height() - 10425.0 / 6810) < 0.01);

    // That window is far larger than the screen: it opens inside the screen's
    // free area and scrolls what does not fit even when drawn smaller.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(large.width() > screen.width());
    f->PlaceWindow();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QVERIFY2(screen.contains(f->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(f->x()).arg(f->y()).arg(f->width()).arg(f->height())));
    auto *canvas = Child<desktop::TwipsCanvas>(f, "Form1Canvas");
    // Drawn as small as the layout goes, three quarters of the squeezed size,
    // and scrolled.
    const QSize smallest = canvas->smallestSize();
    QCOMPARE(canvas->canvas()->size(), QSize(int(smallest.width() * 0.75), int(smallest.height() * 0.75)));
    QVERIFY(canvas->canvas()->width() > canvas->viewport()->width());
    // The smallest it may be made still shows a good part of the panels.
    QVERIFY(f->minimumWidth() >= canvas->naturalSize().width() / 3 && f->minimumWidth() <= screen.width());
    QVERIFY(f->minimumHeight() >= canvas->naturalSize().height() / 3 && f->minimumHeight() <= screen.height());
}

void TestAppearance::placeIsRememberedPerUser()
{
    makeWindow();
    shell::Form1 *f = w->form.get();
    f->PlaceWindow();
    // The first start uses the layout's own place.
    QCOMPARE(f->pos(), QPoint(desktop::TwipsToPixels(735), desktop::TwipsToPixels(570)));
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->move(20, 30);
    f->resize(f->minimumSize() + QSize(50, 40));
    QTRY_COMPARE(f->pos(), QPoint(20, 30));
    const QSize left = f->size();
    f->close();
    const QString conf = QString::fromUtf8(testsupport::ReadFile(settings::SettingsFileName(QStringLiteral("Veldra"))));
    QVERIFY2(conf.contains(QStringLiteral("[Main_Window]")) && conf.contains(QStringLiteral("Left=20")),
             qPrintable(conf));

    makeWindow();
    w->form->PlaceWindow();
    QCOMPARE(w->form->pos(), QPoint(20, 30));
    QCOMPARE(w->form->size(), left);
}

void TestAppearance::forgottenOrLostPlaceFallsBackToTheLayouts()
{
    const QString app = QStringLiteral("Veldra");
    const QString section = shell::PlacementSection();
    const QPoint layoutPlace(desktop::TwipsToPixels(735), desktop::TwipsToPixels(570));
    // A place on a screen that is not there any more.
    for (const auto &[key, value] : {std::pair{"Left", "5000"}, {"Top", "4000"}, {"Width", "300"}, {"Height", "200"}})
        QVERIFY(settings::SaveSetting(app, section, QLatin1String(key), QLatin1String(value)));
    makeWindow()->form->PlaceWindow();
    QCOMPARE(w->form->pos(), layoutPlace);
    // A place that is not a number.
    QVERIFY(settings::SaveSetting(app, section, QStringLiteral("Left"), QStringLiteral("left")));
    makeWindow()->form->PlaceWindow();
    QCOMPARE(w->form->pos(), layoutPlace);
    // Larger than the screen: as large as the screen's free area.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto &[key, value] : {std::pair{"Left", "10"}, {"Top", "10"}, {"Width", "5000"}, {"Height", "5000"}})
        QVERIFY(settings::SaveSetting(app, section, QLatin1String(key), QLatin1String(value)));
    makeWindow()->form->PlaceWindow();
    QVERIFY(w->form->width() <= screen.width() && w->form->height() <= screen.height());
    QVERIFY2(w->form->width() >= screen.width() - 10, qPrintable(QString::number(w->form->width())));
}

void TestAppearance::fitInside_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("fitted");
    const QRect screen(0, 30, 1366, 738);
    QTest::addColumn<QRect>("screen");
    QTest::newRow("fits") << QRect(49, 38, 700, 460) << QRect(49, 38, 700, 460) << screen;
    QTest::newRow("off the bottom") << QRect(49, 500, 700, 460) << QRect(49, 308, 700, 460) << screen;
    QTest::newRow("above the panel") << QRect(49, 0, 700, 460) << QRect(49, 30, 700, 460) << screen;
    QTest::newRow("too tall") << QRect(49, 38, 700, 1000) << QRect(49, 30, 700, 738) << screen;
    QTest::newRow("too large") << QRect(-20, 38, 2000, 1000) << QRect(0, 30, 1366, 738) << screen;
    QTest::newRow("second screen") << QRect(1900, 100, 800, 600) << QRect(1900, 100, 800, 600)
                                   << QRect(1366, 0, 1920, 1080);
}

void TestAppearance::fitInside()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, fitted);
    QFETCH(QRect, screen);
    QCOMPARE(shell::FitInside(frame, screen), fitted);
}

// The frame is put where it was wanted with the decorations the window
// manager really gave, so that a saved place comes back as it was.
void TestAppearance::clientPlace_data()
{
    QTest::addColumn<QPoint>("frameTopLeft");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QMargins>("decorations");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 1366, 768);
    const QMargins titled(1, 21, 1, 1);
    QTest::addColumn<QRect>("screen");
    QTest::newRow("fits") << QPoint(40, 40) << QSize(695, 454) << titled << QRect(41, 61, 695, 454) << screen;
    QTest::newRow("at the top") << QPoint(40, 0) << QSize(695, 454) << titled << QRect(41, 21, 695, 454) << screen;
    QTest::newRow("no frame") << QPoint(40, 0) << QSize(695, 454) << QMargins() << QRect(40, 0, 695, 454) << screen;
    // Saved above the screen (a place that crept up): the title bar comes back.
    QTest::newRow("above") << QPoint(40, -20) << QSize(695, 454) << titled << QRect(41, 21, 695, 454) << screen;
    // A client area as high as the screen: the frame takes its share of it.
    QTest::newRow("as high as the screen")
        << QPoint(0, 0) << QSize(1366, 768) << titled << QRect(1, 21, 1364, 746) << screen;
    QTest::newRow("below a panel") << QPoint(100, 0) << QSize(600, 400) << QMargins(4, 30, 4, 4)
                                   << QRect(104, 62, 600, 400) << QRect(0, 32, 1366, 736);
}

void TestAppearance::clientPlace()
{
    QFETCH(QPoint, frameTopLeft);
    QFETCH(QSize, client);
    QFETCH(QMargins, decorations);
    QFETCH(QRect, placed);
    QFETCH(QRect, screen);
    const QRect got = shell::ClientPlace(frameTopLeft, client, decorations, screen);
    QCOMPARE(got, placed);
    // Measured back from the frame the window gets, the decorations are the same.
    QCOMPARE(shell::Decorations(got.marginsAdded(decorations), got), decorations);
    QVERIFY(screen.contains(got.marginsAdded(decorations)));
}

void TestAppearance::darkThemeKeepsDocumentsReadable()
{
    // A dark theme: light text on dark ground, a light blue for links.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(48, 47, 46));
    dark.setColor(QPalette::WindowText, QColor(255, 255, 255));
    dark.setColor(QPalette::Base, QColor(34, 32, 32));
    dark.setColor(QPalette::AlternateBase, QColor(61, 61, 61));
    dark.setColor(QPalette::Text, QColor(255, 255, 255));
    dark.setColor(QPalette::Button, QColor(66, 66, 69));
    dark.setColor(QPalette::ButtonText, QColor(255, 255, 255));
    dark.setColor(QPalette::Link, QColor(9, 134, 211));
    QApplication::setPalette(dark);
    makeWindow();
    shell::Form1 *f = w->form.get();

    auto *News = w->child<richtext::RichTextBox>("News");
    QVERIFY(News->loadFile(QStringLiteral(VELDRA_SOURCE_DIR "/library/software/corvane/test.rtf")));
    const Lowest news = LowestContrast(*News);
    QVERIFY2(news.text >= 4.5, qPrintable(QStringLiteral("news text %1: %2").arg(news.text).arg(news.where)));
    QVERIFY2(news.link >= 4.5, qPrintable(QStringLiteral("news link %1: %2").arg(news.link).arg(news.where)));
    QVERIFY(news.links > 0);

    QVERIFY(
        testsupport::WriteFile(w->state.AppDir + QStringLiteral("doc.faq"),
                               "Subject=Links\r\nAuthor=A\r\nVersion=1\r\nAuthorWEBSITE=www.example.org\r\n[Body]\r\n"
                               "See www.example.org and http://example.org/x for more.\r\n[/body]\r\n"));
    w->state.FaqFile = w->state.AppDir + QStringLiteral("doc.faq");
    f->TV_NodeClick(f->TVNode(4));
    auto *txtFAQ = w->child<richtext::RichTextBox>("txtFAQ");
    const Lowest reader = LowestContrast(*txtFAQ);
    QVERIFY2(reader.text >= 4.5 && reader.link >= 4.5,
             qPrintable(QStringLiteral("reader %1 / %2: %3").arg(reader.text).arg(reader.link).arg(reader.where)));
    QCOMPARE(reader.links, 2);
    // The header fields follow the theme, readable on their menu-coloured ground.
    for (const char *name : {"txtSubject", "txtWebsite"}) {
        const QPalette pal = w->child<QLineEdit>(name)->palette();
        QVERIFY2(Contrast(pal.color(QPalette::Text), pal.color(QPalette::Base)) >= 4.5, name);
    }
}

QTEST_MAIN(TestAppearance)
#include "test_appearance.moc"
