#include "platform/ImageList.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "settings/Form5.h"
#include "settings/Module1.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using platform::TwipsRect;

namespace
{
const QString kApp = QStringLiteral("Veldra");

QString Stored(const char *key)
{
    return platform::GetSetting(kApp, Module1::kProxySection, QLatin1String(key), QStringLiteral("<missing>"));
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// Runs the dialog modally as the main window does; `during` acts on it while it
// is shown. Returns exec's result.
int ExecWith(Form5 *dlg, const std::function<void(Form5 *)> &during)
{
    QTimer::singleShot(0, dlg, [dlg, during] { during(dlg); });
    return dlg->exec();
}

void SetState(const QString &http, const QString &httpPort, const QString &ftp, const QString &ftpPort)
{
    Module1::HttpProxy = http;
    Module1::HttpProxyPort = httpPort;
    Module1::FtpProxy = ftp;
    Module1::FtpProxyPort = ftpPort;
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
    void reopenAfterCloseBuildsAFreshDialog();

private:
    QString confFile() const { return m_config.path() + QStringLiteral("/Veldra/Veldra.conf"); }
    QTemporaryDir m_config;
};

void TestForm5::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    Module1::AppName = kApp;
}

void TestForm5::init()
{
    delete Form5::Existing();
    QFile::remove(confFile());
    SetState(QString(), QStringLiteral("0"), QString(), QStringLiteral("0"));
}

void TestForm5::layout()
{
    Form5 *dlg = Form5::Get();
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
        {dlg->Label1,
         QStringLiteral("Please fill in the proxy servers to use for each protocol."),
         {120, 240, 4815, 255}},
        {dlg->Label2, QStringLiteral("HTTP"), {600, 1440, 435, 195}},
        {dlg->HTTP, QString(), {1440, 1440, 2895, 285}},
        {dlg->Label3, QStringLiteral("Protocol"), {480, 960, 585, 195}},
        {dlg->Label4, QStringLiteral("Server"), {1440, 960, 1095, 255}},
        {dlg->Label5, QStringLiteral("Port"), {4440, 960, 285, 195}},
        {dlg->HTTP_Port, QStringLiteral("0"), {4440, 1440, 1095, 285}},
        {dlg->Label6, QStringLiteral("FTP"), {600, 1920, 300, 195}},
        {dlg->FTP, QString(), {1440, 1920, 2895, 285}},
        {dlg->FTP_PORT, QStringLiteral("0"), {4440, 1920, 1095, 285}},
        {dlg->cmdOK, QStringLiteral("&OK"), {3360, 2400, 1335, 375}},
        {dlg->cmdCancel, QStringLiteral("&Cancel"), {4800, 2400, 1335, 375}},
        {dlg->Picture1, QString(), {360, 2280, 615, 495}},
    };
    for (const auto &c : controls) {
        const QRect expected = TwipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
        if (auto *label = qobject_cast<QLabel *>(c.w); label && label != dlg->Picture1) {
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

    QCOMPARE(dlg->Picture1->pixmap().toImage(), platform::ImageList2(6).toImage());
    QCOMPARE(dlg->Picture1->frameShape(), QFrame::NoFrame);

    // No length limit: a long text stays whole.
    const QString longText(40000, u'x');
    dlg->HTTP->setText(longText);
    QCOMPARE(dlg->HTTP->text(), longText);
    delete dlg;
}

void TestForm5::tabOrderAndNoDefaultButton()
{
    Form5 *dlg = Form5::Get();
    const QList<QWidget *> expected = {dlg->HTTP, dlg->HTTP_Port, dlg->FTP, dlg->FTP_PORT, dlg->cmdOK, dlg->cmdCancel};
    QList<QWidget *> chain;
    QWidget *w = dlg->HTTP;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
        w = w->nextInFocusChain();
    } while (w != dlg->HTTP && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
    for (QPushButton *b : {dlg->cmdOK, dlg->cmdCancel}) {
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }
    delete dlg;
}

void TestForm5::keysDoNotAnswerTheDialog()
{
    QPointer<Form5> dlg = Form5::Get();
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg));
    dlg->HTTP->setFocus();
    QTest::keyClick(dlg->HTTP, Qt::Key_Return);
    QTest::keyClick(dlg->HTTP, Qt::Key_Escape);
    dlg->cmdOK->setFocus();
    QTest::keyClick(dlg->cmdOK, Qt::Key_Return);
    QTest::keyClick(dlg->cmdOK, Qt::Key_Escape);
    QVERIFY(dlg && dlg->isVisible());
    QVERIFY(!QFile::exists(confFile()));
    delete dlg;
}

void TestForm5::loadFillsBoxesFromSharedState()
{
    // Values come in exactly as the store held them; the dialog shows them as they are.
    SetState(QStringLiteral(" http proxy "), QStringLiteral("081abc"), QStringLiteral("ftp,proxy"),
             QStringLiteral("&H15"));
    Form5 *dlg = Form5::Get();
    QCOMPARE(dlg->HTTP->text(), QStringLiteral(" http proxy "));
    QCOMPARE(dlg->HTTP_Port->text(), QStringLiteral("081abc"));
    QCOMPARE(dlg->FTP->text(), QStringLiteral("ftp,proxy"));
    QCOMPARE(dlg->FTP_PORT->text(), QStringLiteral("&H15"));
    delete dlg;
}

void TestForm5::okStoresNormalisedValues()
{
    QPointer<Form5> dlg = Form5::Get();
    const int result = ExecWith(dlg, [](Form5 *f) {
        f->HTTP->setText(QStringLiteral("  my proxy\t "));
        f->HTTP_Port->setText(QStringLiteral("8 0 8 0"));
        f->FTP->setText(QStringLiteral(" ftp.example.org"));
        f->FTP_PORT->setText(QStringLiteral("21abc"));
        QTest::mouseClick(f->cmdOK, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!dlg);
    QCOMPARE(Form5::Existing(), nullptr);

    // Only spaces are trimmed from server names; ports go through the port-text rule.
    QCOMPARE(Stored("HTTP"), QStringLiteral("my proxy\t"));
    QCOMPARE(Stored("HTTP_Port"), QStringLiteral("8080"));
    QCOMPARE(Stored("FTP"), QStringLiteral("ftp.example.org"));
    QCOMPARE(Stored("FTP_Port"), QStringLiteral("21"));
    QVERIFY(FileBytes(confFile()).contains("FTP_Port=21"));
    QCOMPARE(Module1::HttpProxy, QStringLiteral("my proxy\t"));
    QCOMPARE(Module1::HttpProxyPort, QStringLiteral("8080"));
    QCOMPARE(Module1::FtpProxy, QStringLiteral("ftp.example.org"));
    QCOMPARE(Module1::FtpProxyPort, QStringLiteral("21"));
}

void TestForm5::okWithoutChangesNormalisesStoredValues()
{
    SetState(QStringLiteral(" proxy "), QStringLiteral("081abc"), QString(), QStringLiteral("abc"));
    ExecWith(Form5::Get(), [](Form5 *f) { QTest::mouseClick(f->cmdOK, Qt::LeftButton); });
    QCOMPARE(Stored("HTTP"), QStringLiteral("proxy"));
    QCOMPARE(Stored("HTTP_Port"), QStringLiteral("81"));
    QCOMPARE(Stored("FTP"), QString());
    QCOMPARE(Stored("FTP_Port"), QStringLiteral("0"));
    QCOMPARE(Module1::HttpProxy, QStringLiteral("proxy"));
    QCOMPARE(Module1::FtpProxyPort, QStringLiteral("0"));
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
    SetState(QStringLiteral("old"), QStringLiteral("81"), QStringLiteral("oldftp"), QStringLiteral("21"));
    QVERIFY(platform::SaveSetting(kApp, Module1::kProxySection, QStringLiteral("HTTP"), QStringLiteral("old")));
    const QByteArray before = FileBytes(confFile());

    QPointer<Form5> dlg = Form5::Get();
    const int result = ExecWith(dlg, [how](Form5 *f) {
        f->HTTP->setText(QStringLiteral("new"));
        f->FTP_PORT->setText(QStringLiteral("99"));
        if (how == 0)
            QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
        else
            f->close();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!dlg);
    QCOMPARE(FileBytes(confFile()), before);
    QCOMPARE(Module1::HttpProxy, QStringLiteral("old"));
    QCOMPARE(Module1::FtpProxyPort, QStringLiteral("21"));

    // Reopened, it shows the old values again.
    Form5 *again = Form5::Get();
    QCOMPARE(again->HTTP->text(), QStringLiteral("old"));
    QCOMPARE(again->FTP_PORT->text(), QStringLiteral("21"));
    delete again;
}

void TestForm5::reopenAfterCloseBuildsAFreshDialog()
{
    // As at start-up: loaded hidden with an owner, later shown modally.
    QWidget owner;
    QPointer<Form5> hidden = Form5::Get(&owner);
    QVERIFY(!hidden->isVisible());
    QCOMPARE(Form5::Get(&owner), hidden.data());
    QCOMPARE(hidden->parentWidget(), &owner);
    hidden->setProperty("marker", true);

    ExecWith(Form5::Get(&owner), [](Form5 *f) {
        QVERIFY(f->isVisible());
        QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
    });
    // Asked again straight away, before any deferred deletion could run.
    Form5 *fresh = Form5::Get(&owner);
    QVERIFY(!fresh->property("marker").isValid());
    QVERIFY(!hidden);

    // Shown without a modal loop, closing only schedules the deletion.
    QPointer<Form5> modeless = fresh;
    modeless->setProperty("marker", true);
    modeless->show();
    QTest::mouseClick(modeless->cmdCancel, Qt::LeftButton);
    Form5 *third = Form5::Get(&owner);
    QVERIFY(!third->property("marker").isValid());
    QTRY_VERIFY(!modeless);
    delete third;
}

QTEST_MAIN(TestForm5)
#include "test_form5.moc"
