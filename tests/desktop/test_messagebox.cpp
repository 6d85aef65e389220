// Message boxes show any text in a box that fits the screen, as plain text.
#include "desktop/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

using namespace veldra::desktop;

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void elidedText_data();
    void elidedText();
    void hugeTextFitsTheScreen();
    void markupIsShownAsText();
};

void TestMessageBox::elidedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString five =
        QString(100, u'a') + QString(100, u'b') + QString(100, u'c') + QString(100, u'd') + QString(100, u'e');
    QTest::newRow("short") << QStringLiteral("Proxy server not found") << QStringLiteral("Proxy server not found");
    QTest::newRow("exactly 500") << five << five;
    QTest::newRow("501") << five + u'f' << five.left(499) + QChar(0x2026);
    QTest::newRow("a megabyte") << QString(1 << 20, u'x') << QString(499, u'x') + QChar(0x2026);
    // A pair of surrogates is one character: it goes whole or not at all.
    const QString clef = QStringLiteral("\U0001D11E");
    QTest::newRow("surrogate pair at the cut")
        << QString(498, u'x') + clef + QStringLiteral("yyy") << QString(498, u'x') + QChar(0x2026);
}

void TestMessageBox::elidedText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ElidedMessageText(text), shown);
    QVERIFY(ElidedMessageText(text).size() <= kMaxMessageLength);
}

void TestMessageBox::hugeTextFitsTheScreen()
{
    // A proxy host text of a megabyte, quoted in the error description.
    const QString text = QStringLiteral("Invalid proxy setting \"") + QString(1 << 20, u'h') +
                         QStringLiteral(":81\": no proxy server is named");
    auto box = MakeMsgBox(text, MsgBoxStyle::Critical, QStringLiteral("Veldra - Error"), nullptr);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    QVERIFY2(box->width() <= screen.width() && box->height() <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(box->width()).arg(box->height())));
    QCOMPARE(box->text().size(), kMaxMessageLength);
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->windowTitle(), QStringLiteral("Veldra - Error"));
}

void TestMessageBox::markupIsShownAsText()
{
    // A reason phrase or address from a server may look like markup.
    auto box = MakeMsgBox(QStringLiteral("HTTP 404 <b>gone</b> <img src=\"/etc/passwd\">"), MsgBoxStyle::Plain,
                          QString(), nullptr);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->windowTitle(), QStringLiteral("Veldra"));
}

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
