// The HTTP answer parser on its own: how answers end, what it refuses, and that
// the pieces the bytes arrive in never change the result.
#include "transfer/HttpResponseParser.h"

#include <QTest>

using veldra::transfer::HttpResponseParser;

namespace
{

struct Parsed {
    QByteArray body;
    bool complete = false;
    bool failed = false;
    QString error;
};

// Feeds `answer` in pieces of `piece` bytes, then closes the connection when
// asked to.
Parsed Parse(const QByteArray &answer, qsizetype piece, bool close)
{
    HttpResponseParser parser;
    Parsed out;
    for (qsizetype at = 0; at < answer.size(); at += piece)
        parser.feed(QByteArrayView(answer).sliced(at, qMin(piece, answer.size() - at)), &out.body);
    if (close)
        parser.connectionClosed();
    out.complete = parser.complete();
    out.failed = parser.failed();
    out.error = parser.error();
    return out;
}

} // namespace

class TestHttpParser : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void headFields();
    void headIsBounded();
    void chunkLineIsBounded();
};

void TestHttpParser::answers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("close"); // the connection closes after the bytes
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error"); // empty: complete

    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    QTest::newRow("length") << ok + "Content-Length: 5\r\n\r\nhello" << false << QByteArray("hello") << "";
    QTest::newRow("bytes after the end are not the body")
        << ok + "Content-Length: 2\r\n\r\nhello" << false << QByteArray("he") << "";
    QTest::newRow("length, same value twice")
        << ok + "Content-Length: 2, 2\r\ncontent-length: 2\r\n\r\nhi" << false << QByteArray("hi") << "";
    QTest::newRow("chunks, extension, trailer")
        << ok + "Transfer-Encoding: Chunked\r\n\r\n5;x=y\r\nhello\r\n006 \r\n world\r\n0\r\nX-T: 1\r\n\r\n"
        << false << QByteArray("hello world") << "";
    QTest::newRow("chunks win over a length")
        << ok + "Content-Length: 99\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nhi\r\n0\r\n\r\n"
        << false << QByteArray("hi") << "";
    QTest::newRow("bare LF line ends") << QByteArray("HTTP/1.0 200 OK\nContent-Length: 2\n\nhi") << false
                                       << QByteArray("hi") << "";
    QTest::newRow("until close") << ok + "\r\nthe rest" << true << QByteArray("the rest") << "";
    QTest::newRow("interim answers skipped")
        << "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 103 Early Hints\r\nLink: x\r\n\r\n" + ok +
               "Content-Length: 1\r\n\r\nx"
        << false << QByteArray("x") << "";
    QTest::newRow("204 has no body") << QByteArray("HTTP/1.1 204 No Content\r\nContent-Length: 5\r\n\r\nhello") << false
                                     << QByteArray() << "";

    QTest::newRow("length cut short") << ok + "Content-Length: 10\r\n\r\nhello" << true << QByteArray("hello")
                                      << "The document arrived incomplete: the server closed the connection after "
                                         "5 of 10 bytes";
    QTest::newRow("chunk cut short") << ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhel" << true << QByteArray("hel")
                                     << "The document arrived incomplete: the server closed the connection after 3 "
                                        "bytes";
    QTest::newRow("no final chunk") << ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n"
                                    << true << QByteArray("hello")
                                    << "The document arrived incomplete: the server closed the connection after 5 "
                                       "bytes";
    QTest::newRow("closed in the trailer")
        << ok + "Transfer-Encoding: chunked\r\n\r\n1\r\nx\r\n0\r\nX-T: 1\r\n"
        << true << QByteArray("x") << "The document arrived incomplete: the server closed the connection after 1 bytes";
    QTest::newRow("invalid chunk size")
        << ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\nzz\r\nmore\r\n0\r\n\r\n"
        << false << QByteArray("hello")
        << "The document arrived incomplete: the server sent an invalid chunk size \"zz\" after 5 bytes";
    QTest::newRow("negative chunk size") << ok + "Transfer-Encoding: chunked\r\n\r\n-5\r\nhello\r\n0\r\n\r\n"
                                         << false << QByteArray()
                                         << "The document arrived incomplete: the server sent an invalid chunk "
                                            "size \"-5\" after 0 bytes";
    QTest::newRow("empty chunk size") << ok + "Transfer-Encoding: chunked\r\n\r\n\r\n"
                                      << false << QByteArray()
                                      << "The document arrived incomplete: the server sent an invalid chunk size "
                                         "\"\" after 0 bytes";
    QTest::newRow("chunk size beyond 64 bits")
        << ok + "Transfer-Encoding: chunked\r\n\r\n00010000000000000000\r\n"
        << false << QByteArray()
        << "The document arrived incomplete: the server announced a chunk of 0x10000000000000000 bytes after 0 "
           "bytes";
    QTest::newRow("chunk longer than announced")
        << ok + "Transfer-Encoding: chunked\r\n\r\n2\r\nhello\r\n0\r\n\r\n"
        << false << QByteArray("he")
        << "The document arrived incomplete: the server sent a chunk longer than it announced after 2 bytes";
    QTest::newRow("not HTTP") << QByteArray("<html>hello</html>") << true << QByteArray()
                              << "The server's answer is not valid HTTP: it does not start with \"HTTP/\"";
    QTest::newRow("status line out of shape") << QByteArray("HTTP/1.1 2000 OK\r\n\r\n") << false << QByteArray()
                                              << "The server's answer is not valid HTTP: it starts with \"HTTP/1.1 "
                                                 "2000 OK\"";
    QTest::newRow("status out of range") << QByteArray("HTTP/1.1 999 Odd\r\n\r\n") << false << QByteArray()
                                         << "The server's answer is not valid HTTP: status 999";
    QTest::newRow("two different lengths")
        << ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nhi!" << false << QByteArray()
        << "The server's answer is not valid HTTP: Content-Length \"3\"";
    QTest::newRow("length with a sign") << ok + "Content-Length: +2\r\n\r\nhi" << false << QByteArray()
                                        << "The server's answer is not valid HTTP: Content-Length \"+2\"";
    QTest::newRow("compressed coding") << ok + "Transfer-Encoding: gzip, chunked\r\n\r\n"
                                       << false << QByteArray()
                                       << "The server's answer is not valid HTTP: unsupported transfer coding "
                                          "\"gzip, chunked\"";
    QTest::newRow("folded header line") << ok + "X-A: 1\r\n  more\r\n\r\n"
                                        << false << QByteArray()
                                        << "The server's answer is not valid HTTP: the header line \"  more\"";
    QTest::newRow("closed in the head") << ok + "Content-Len" << true << QByteArray()
                                        << "The server closed the connection in the middle of its answer";
    QTest::newRow("closed without a byte") << QByteArray() << true << QByteArray() << "";
}

void TestHttpParser::answers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, close);
    QFETCH(QByteArray, body);
    QFETCH(QString, error);
    // However the bytes are cut into pieces, the outcome is the same.
    for (qsizetype piece : {answer.size() + 1, qsizetype(1), qsizetype(2), qsizetype(7)}) {
        const Parsed got = Parse(answer, qMax<qsizetype>(piece, 1), close);
        QCOMPARE(got.body, body);
        QCOMPARE(got.error, error);
        if (answer.isEmpty()) {
            QVERIFY(got.failed); // and the caller describes it with the server's name
            continue;
        }
        QCOMPARE(got.complete, error.isEmpty());
        QCOMPARE(got.failed, !error.isEmpty());
    }
}

void TestHttpParser::headFields()
{
    HttpResponseParser parser;
    QByteArray body;
    parser.feed("HTTP/1.1 302 Found \x01\xff\r\nLOCATION:  /there \r\nX-Empty:\r\nContent-Length: 0\r\n\r\n", &body);
    QVERIFY(parser.complete());
    QVERIFY(parser.headReady());
    QCOMPARE(parser.status(), 302);
    QCOMPARE(parser.reason(), QStringLiteral("Found"));
    QCOMPARE(parser.header("location"), QByteArray("/there"));
    QCOMPARE(parser.header("x-empty"), QByteArray(""));
    QVERIFY(parser.header("x-missing").isNull());
    QCOMPARE(parser.framing(), HttpResponseParser::Framing::Length);
}

void TestHttpParser::headIsBounded()
{
    // A head without end fails at its bound instead of growing.
    HttpResponseParser parser;
    QByteArray body;
    parser.feed("HTTP/1.1 200 OK\r\n", &body);
    const QByteArray field = "X-Filler: " + QByteArray(1000, 'a') + "\r\n";
    int fed = 0;
    while (!parser.failed() && fed < 1000) {
        parser.feed(field, &body);
        ++fed;
    }
    QVERIFY(parser.failed());
    QCOMPARE(fed, 65); // 64 KiB of head
    QCOMPARE(parser.error(), QStringLiteral("The server's answer is not valid HTTP: its head is larger than 64 KiB"));
    QVERIFY(!parser.headReady());
}

void TestHttpParser::chunkLineIsBounded()
{
    HttpResponseParser parser;
    QByteArray body;
    parser.feed("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1;", &body);
    parser.feed(QByteArray(2000, 'e'), &body);
    QVERIFY(parser.failed());
    QVERIFY(parser.bodyCutShort());
    QCOMPARE(parser.error(), QStringLiteral("The document arrived incomplete: the server sent a chunk-size line longer "
                                            "than 1024 bytes after 0 bytes"));
}

QTEST_APPLESS_MAIN(TestHttpParser)
#include "test_httpparser.moc"
