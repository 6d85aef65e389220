#include "desktop/ImageList.h"
#include "desktop/Twips.h"
#include "settings/Module1.h"
#include "settings/SettingsStore.h"
#include "shell/Form5.h"
#include "support/Files.h"
#include "support/Widgets.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace veldra;
using desktop::TwipsRect;
using settings::Module1;
using shell::Form5;
using testsupport::Child;

namespace
{
const QString kApp = QStringLiteral("Veldra");

QString Stored(const char *key)
{
    return settings::GetSetting(kApp, Module1::ProxySection(), QLatin1String(key), QStringLiteral("<missing>"));
}

QByteArray FileBytes(const QString &path)
{
    return QFile::exists(path) ? testsupport::ReadFile(path) : QByteArray("<none>");
}

// Runs the dialog modally as the main window does; `during` acts on it while it
// is shown. Returns exec's result.
int ExecWith(Form5 *dlg, const std::function<void(Form5 *)> &during)
{
    QTimer::singleShot(0, dlg, [dlg, during] { during(dlg); });
    return dlg->exec();
}

void SetState(Module1 &state, const QString &http, const QString &httpPort, const QString &ftp, const QString &ftpPort)
{
    state.HttpProxy = http;
    state.HttpProxyPort = httpPort;
    state.FtpProxy = ftp;
    state.FtpProxyPort = ftpPort;
}
} // namespace

class TestForm5 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void layout();
    void tabOrderAndNoDefaultButton();
    void keysDoNotAnswerTheDialog();
    void loadFillsBoxesFromSharedState();
    void okStoresNormalisedValues();
    void okWithoutChangesNormalisesStoredValues();
    void cancelAndCloseDiscard_data();
    void cancelAndCloseDiscard();
    void everyCloseUnloads_data();
    void everyCloseUnloads();

private:
    QString confFile() const { return m_config.path() + QStringLiteral("/Veldra/Veldra.conf"); }
    // A dialog as start-up loads it: hidden, from the shared state.
    Form5 *Load() { return new Form5(m_state, nullptr); }
    QTemporaryDir m_config;
    Module1 m_state;
};

void TestForm5::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    m_state.AppName = kApp;
}

void TestForm5::init()
{
    QFile::remove(confFile());
    SetState(m_state, QString(), QStringLiteral("0"), QString(), QStringLiteral("0"));
}

void TestForm5::layout()
{
    Form5 *dlg = Load();
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Edit Proxy Settings"));
    QCOMPARE(dlg->size(), TwipsRect(0, 0, 6165, 2835).size());
    QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
    QVERIFY(!(dlg->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dlg->windowFlags() & Qt::WindowMaximizeButtonHint));

    const struct {
        QWidget *w;
        QString text;
        QRect twips;
    } controls[] = {
        {Child<QLabel>(dlg, "Label1"),
         QStringLiteral("Please fill in the proxy servers to use for each protocol."),
         {120, 240, 4815, 255}},
        {Child<QLabel>(dlg, "Label2"), QStringLiteral("HTTP"), {600, 1440, 435, 195}},
        {Child<QLineEdit>(dlg, "HTTP"), QString(), {1440, 1440, 2895, 285}},
        {Child<QLabel>(dlg, "Label3"), QStringLiteral("Protocol"), {480, 960, 585, 195}},
        {Child<QLabel>(dlg, "Label4"), QStringLiteral("Server"), {1440, 960, 1095, 255}},
        {Child<QLabel>(dlg, "Label5"), QStringLiteral("Port"), {4440, 960, 285, 195}},
        {Child<QLineEdit>(dlg, "HTTP_Port"), QStringLiteral("0"), {4440, 1440, 1095, 285}},
        {Child<QLabel>(dlg, "Label6"), QStringLiteral("FTP"), {600, 1920, 300, 195}},
        {Child<QLineEdit>(dlg, "FTP"), QString(), {1440, 1920, 2895, 285}},
        {Child<QLineEdit>(dlg, "FTP_PORT"), QStringLiteral("0"), {4440, 1920, 1095, 285}},
        {Child<QPushButton>(dlg, "cmdOK"), QStringLiteral("&OK"), {3360, 2400, 1335, 375}},
        {Child<QPushButton>(dlg, "cmdCancel"), QStringLiteral("&Cancel"), {4800, 2400, 1335, 375}},
        {Child<QLabel>(dlg, "Picture1"), QString(), {360, 2280, 615, 495}},
    };
    for (const auto &c : controls) {
        const QRect expected = TwipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
        if (auto *label = qobject_cast<QLabel *>(c.w); label && label != Child<QLabel>(dlg, "Picture1")) {
            QCOMPARE(label->text(), c.text);
            // A caption may grow to fit its font, never shrink or move.
            QCOMPARE(label->pos(), expected.topLeft());
            QVERIFY(label->width() >= expected.width() && label->height() >= expected.height());
            QVERIFY(label->width() >= label->sizeHint().width());
        } else {
            QCOMPARE(c.w->geometry(), expected);
        }
        if (auto *box = qobject_cast<QLineEdit *>(c.w))
            QCOMPARE(box->text(), c.text);
        if (auto *button = qobject_cast<QPushButton *>(c.w))
            QCOMPARE(button->text(), c.text);
    }

    QCOMPARE(Child<QLabel>(dlg, "Picture1")->pixmap().toImage(),
             desktop::ImageListPixmap(desktop::ImageList2(6), dlg).toImage());
    QCOMPARE(Child<QLabel>(dlg, "Picture1")->frameShape(), QFrame::NoFrame);

    // No length limit: a long text stays whole.
    const QString longText(40000, u'x');
    Child<QLineEdit>(dlg, "HTTP")->setText(longText);
    QCOMPARE(Child<QLineEdit>(dlg, "HTTP")->text(), longText);
    delete dlg;
}

void TestForm5::tabOrderAndNoDefaultButton()
{
    Form5 *dlg = Load();
    const QList<QWidget *> expected = {Child<QLineEdit>(dlg, "HTTP"),    Child<QLineEdit>(dlg, "HTTP_Port"),
                                       Child<QLineEdit>(dlg, "FTP"),     Child<QLineEdit>(dlg, "FTP_PORT"),
                                       Child<QPushButton>(dlg, "cmdOK"), Child<QPushButton>(dlg, "cmdCancel")};
    QList<QWidget *> chain;
    QWidget *w = Child<QLineEdit>(dlg, "HTTP");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
        w = w->nextInFocusChain();
    } while (w != Child<QLineEdit>(dlg, "HTTP") && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
    for (QPushButton *b : {Child<QPushButton>(dlg, "cmdOK"), Child<QPushButton>(dlg, "cmdCancel")}) {
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }
    delete dlg;
}

void TestForm5::keysDoNotAnswerTheDialog()
{
    QPointer<Form5> dlg = Load();
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg));
    Child<QLineEdit>(dlg, "HTTP")->setFocus();
    QTest::keyClick(Child<QLineEdit>(dlg, "HTTP"), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>(dlg, "HTTP"), Qt::Key_Escape);
    Child<QPushButton>(dlg, "cmdOK")->setFocus();
    QTest::keyClick(Child<QPushButton>(dlg, "cmdOK"), Qt::Key_Return);
    QTest::keyClick(Child<QPushButton>(dlg, "cmdOK"), Qt::Key_Escape);
    QVERIFY(dlg && dlg->isVisible());
    QVERIFY(!QFile::exists(confFile()));
    delete dlg;
}

void TestForm5::loadFillsBoxesFromSharedState()
{
    // Values come in exactly as the store held them; the dialog shows them as they are.
    SetState(m_state, QStringLiteral(" http proxy "), QStringLiteral("081abc"), QStringLiteral("ftp,proxy"),
             QStringLiteral("&H15"));
    Form5 *dlg = Load();
    QCOMPARE(Child<QLineEdit>(dlg, "HTTP")->text(), QStringLiteral(" http proxy "));
    QCOMPARE(Child<QLineEdit>(dlg, "HTTP_Port")->text(), QStringLiteral("081abc"));
    QCOMPARE(Child<QLineEdit>(dlg, "FTP")->text(), QStringLiteral("ftp,proxy"));
    QCOMPARE(Child<QLineEdit>(dlg, "FTP_PORT")->text(), QStringLiteral("&H15"));
    delete dlg;
}

void TestForm5::okStoresNormalisedValues()
{
    QPointer<Form5> dlg = Load();
    const int result = ExecWith(dlg, [](Form5 *f) {
        Child<QLineEdit>(f, "HTTP")->setText(QStringLiteral("  my proxy\t "));
        Child<QLineEdit>(f, "HTTP_Port")->setText(QStringLiteral("8 0 8 0"));
        Child<QLineEdit>(f, "FTP")->setText(QStringLiteral(" ftp.example.org"));
        Child<QLineEdit>(f, "FTP_PORT")->setText(QStringLiteral("21abc"));
        QTest::mouseClick(Child<QPushButton>(f, "cmdOK"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QTRY_VERIFY(!dlg);

    // Only spaces are trimmed from server names; ports go through the port-text rule.
    QCOMPARE(Stored("HTTP"), QStringLiteral("my proxy\t"));
    QCOMPARE(Stored("HTTP_Port"), QStringLiteral("8080"));
    QCOMPARE(Stored("FTP"), QStringLiteral("ftp.example.org"));
    QCOMPARE(Stored("FTP_Port"), QStringLiteral("21"));
    QVERIFY(FileBytes(confFile()).contains("FTP_Port=21"));
    QCOMPARE(m_state.HttpProxy, QStringLiteral("my proxy\t"));
    QCOMPARE(m_state.HttpProxyPort, QStringLiteral("8080"));
    QCOMPARE(m_state.FtpProxy, QStringLiteral("ftp.example.org"));
    QCOMPARE(m_state.FtpProxyPort, QStringLiteral("21"));
}

void TestForm5::okWithoutChangesNormalisesStoredValues()
{
    SetState(m_state, QStringLiteral(" proxy "), QStringLiteral("081abc"), QString(), QStringLiteral("abc"));
    ExecWith(Load(), [](Form5 *f) { QTest::mouseClick(Child<QPushButton>(f, "cmdOK"), Qt::LeftButton); });
    QCOMPARE(Stored("HTTP"), QStringLiteral("proxy"));
    QCOMPARE(Stored("HTTP_Port"), QStringLiteral("81"));
    QCOMPARE(Stored("FTP"), QString());
    QCOMPARE(Stored("FTP_Port"), QStringLiteral("0"));
    QCOMPARE(m_state.HttpProxy, QStringLiteral("proxy"));
    QCOMPARE(m_state.FtpProxyPort, QStringLiteral("0"));
}

void TestForm5::cancelAndCloseDiscard_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("window closed") << 1;
}

void TestForm5::cancelAndCloseDiscard()
{
    QFETCH(int, how);
    SetState(m_state, QStringLiteral("old"), QStringLiteral("81"), QStringLiteral("oldftp"), QStringLiteral("21"));
    QVERIFY(settings::SaveSetting(kApp, Module1::ProxySection(), QStringLiteral("HTTP"), QStringLiteral("old")).ok());
    const QByteArray before = FileBytes(confFile());

    QPointer<Form5> dlg = Load();
    const int result = ExecWith(dlg, [how](Form5 *f) {
        Child<QLineEdit>(f, "HTTP")->setText(QStringLiteral("new"));
        Child<QLineEdit>(f, "FTP_PORT")->setText(QStringLiteral("99"));
        if (how == 0)
            QTest::mouseClick(Child<QPushButton>(f, "cmdCancel"), Qt::LeftButton);
        else
            f->close();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QTRY_VERIFY(!dlg);
    QCOMPARE(FileBytes(confFile()), before);
    QCOMPARE(m_state.HttpProxy, QStringLiteral("old"));
    QCOMPARE(m_state.FtpProxyPort, QStringLiteral("21"));

    // Reopened, it shows the old values again.
    Form5 *again = Load();
    QCOMPARE(Child<QLineEdit>(again, "HTTP")->text(), QStringLiteral("old"));
    QCOMPARE(Child<QLineEdit>(again, "FTP_PORT")->text(), QStringLiteral("21"));
    delete again;
}

void TestForm5::everyCloseUnloads_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK") << 0;
    QTest::newRow("Cancel") << 1;
    QTest::newRow("window closed") << 2;
}

void TestForm5::everyCloseUnloads()
{
    // However it closes, the dialog says it is gone at once (whoever holds it
    // makes a fresh one next time) and is deleted soon after, modal or not.
    QFETCH(int, how);
    for (const bool modal : {true, false}) {
        QPointer<Form5> dlg = Load();
        QSignalSpy unloaded(dlg.data(), &Form5::unloaded);
        const auto answer = [how](Form5 *f) {
            if (how == 0)
                QTest::mouseClick(Child<QPushButton>(f, "cmdOK"), Qt::LeftButton);
            else if (how == 1)
                QTest::mouseClick(Child<QPushButton>(f, "cmdCancel"), Qt::LeftButton);
            else
                f->close();
        };
        if (modal) {
            ExecWith(dlg, answer);
        } else {
            dlg->show();
            answer(dlg);
        }
        QCOMPARE(unloaded.count(), 1);
        QTRY_VERIFY(!dlg);
    }
}

QTEST_MAIN(TestForm5)
#include "test_form5.moc"
