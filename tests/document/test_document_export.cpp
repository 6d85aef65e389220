#include "document/DocumentExport.h"
#include "document/LinkFormat.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageSize>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace veldra::document;
using veldra::Status;

// A document saved or printed: the header fields above the body, and links
// that lead where the reader's would, and nowhere else.
class TestDocumentExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void textHasFieldsThenBody();
    void htmlKeepsSafeLinksOnly();
    void pdfKeepsLinksAndSaveChoosesTheFormat();

private:
    QTextDocument body;
    QList<ExportField> fields;
};

void TestDocumentExport::init()
{
    // A body as the reader shows it: links marked on their text (without a
    // target of their own), a hyperlink with one, hostile targets, and the
    // blanks the link marking appends.
    body.clear();
    QTextCursor c(&body);
    const QTextCharFormat plain;
    const QTextCharFormat marked = WithLink(plain, QColor(Qt::blue));
    c.insertText(QStringLiteral("See "), plain);
    c.insertText(QStringLiteral("www.example.org/first"), marked);
    c.insertText(QStringLiteral(" & <more>\n"), plain);
    c.insertText(QStringLiteral("Write to "), plain);
    c.insertText(QStringLiteral("here"),
                 WithLink(plain, QColor(), QStringLiteral("mailto:help@example.org?attach=/etc/passwd")));
    c.insertText(QStringLiteral(", not "), plain);
    c.insertText(QStringLiteral("there"), WithLink(plain, QColor(), QStringLiteral("file:///etc/passwd")));
    c.insertText(QStringLiteral(" or "), plain);
    c.insertText(QStringLiteral("javascript:alert(1)"), marked);
    c.insertText(QStringLiteral("    "), plain);
    fields = {{QStringLiteral("Subject:"), QStringLiteral("Printing <b>bold</b>"), QString()},
              {QStringLiteral("Author:"), QStringLiteral("A. Writer"), QString()},
              {QStringLiteral("Website:"), QStringLiteral("www.writer.example"), QStringLiteral("www.writer.example")}};
}

void TestDocumentExport::textHasFieldsThenBody()
{
    const auto copy = ExportDocument(QStringLiteral("Printing"), fields, body);
    QCOMPARE(QString::fromUtf8(ExportPlainText(*copy)),
             QStringLiteral("Subject: Printing <b>bold</b>\nAuthor: A. Writer\nWebsite: www.writer.example\n\n"
                            "See www.example.org/first & <more>\nWrite to here, not there or javascript:alert(1)\n"));
    // The body shown in the reader is left as it was.
    QVERIFY(body.toPlainText().startsWith(QLatin1String("See ")));
    QTextCursor link(&body);
    link.setPosition(6);
    QVERIFY(link.charFormat().isAnchor() && link.charFormat().anchorHref().isEmpty());
}

void TestDocumentExport::htmlKeepsSafeLinksOnly()
{
    const QString html = QString::fromUtf8(ExportHtml(*ExportDocument(QStringLiteral("Printing"), fields, body)));
    QVERIFY2(html.contains(QLatin1String("<title>Printing</title>")), qPrintable(html));
    QVERIFY(html.contains(QLatin1String("Printing &lt;b&gt;bold&lt;/b&gt;")));
    QVERIFY(html.contains(QLatin1String("&amp; &lt;more&gt;")));
    QVERIFY(html.contains(QLatin1String("<a href=\"http://www.example.org/first\"")));
    QVERIFY(html.contains(QLatin1String("<a href=\"http://www.writer.example\"")));
    QVERIFY(html.contains(QLatin1String("<a href=\"mailto:help@example.org\"")));
    QVERIFY(!html.contains(QLatin1String("passwd")));
    QVERIFY(!html.contains(QLatin1String("href=\"javascript")));
    QVERIFY(html.contains(QLatin1String("javascript:alert(1)")));
    QCOMPARE(html.count(QLatin1String("<a href=")), 3);
}

void TestDocumentExport::pdfKeepsLinksAndSaveChoosesTheFormat()
{
    const auto copy = ExportDocument(QStringLiteral("Printing"), fields, body);
    const QByteArray pdf = ExportPdf(*copy, QPageSize::A4);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY2(pdf.contains("/URI (http://www.example.org/first)"), pdf.left(2000).constData());
    QVERIFY(!pdf.contains("passwd"));

    QCOMPARE(ExportFormatOf(QStringLiteral("a/b.PDF")), ExportFormat::Pdf);
    QCOMPARE(ExportFormatOf(QStringLiteral("b.htm")), ExportFormat::Html);
    QCOMPARE(ExportFormatOf(QStringLiteral("b.pdf.txt")), ExportFormat::PlainText);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.html"));
    QVERIFY(SaveExport(path, *copy, QPageSize::A4));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), ExportHtml(*copy));
    // A folder in the way is refused, and reported.
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    QVERIFY(QDir().mkpath(folder));
    const Status refused = SaveExport(folder, *copy, QPageSize::A4);
    QVERIFY(!refused);
    QVERIFY(!refused.error().isEmpty());
}

QTEST_MAIN(TestDocumentExport)
#include "test_document_export.moc"
