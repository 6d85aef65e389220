#include "text/PortText.h"

#include <QTest>

using veldra::text::PortText;

class TestPortText : public QObject
{
    Q_OBJECT
private slots:
    void portText_data();
    void portText();
};

void TestPortText::portText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    // What the proxy dialog and the proxy rule are documented to do.
    QTest::newRow("plain") << "81"
                           << "81";
    QTest::newRow("leading zero") << "081"
                                  << "81";
    QTest::newRow("leading zeros") << "0008080"
                                   << "8080";
    QTest::newRow("trailing letters") << "81abc"
                                      << "81";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("letters only") << "abc"
                                  << "0";
    QTest::newRow("double zero") << "00"
                                 << "0";
    QTest::newRow("blank then zero") << " 0"
                                     << "0";
    QTest::newRow("spaces between digits") << "8 0 8 0"
                                           << "8080";
    QTest::newRow("tabs and line feeds") << "\t80\n8\t0 "
                                         << "8080";
    QTest::newRow("carriage return stops") << "80\r80"
                                           << "80";

    // Signs, fractions and exponents.
    QTest::newRow("plus") << "+81"
                          << "81";
    QTest::newRow("minus") << "-81"
                           << "-81";
    QTest::newRow("sign only") << "-"
                               << "0";
    QTest::newRow("sign then letters") << "-x1"
                                       << "0";
    QTest::newRow("fraction kept") << "80.5"
                                   << "80.5";
    QTest::newRow("fraction without whole part") << ".25"
                                                 << "0.25";
    QTest::newRow("point without digits") << "80."
                                          << "80";
    QTest::newRow("whole fraction") << "80.000"
                                    << "80";
    QTest::newRow("second point stops") << "1.2.3"
                                        << "1.2";
    QTest::newRow("exponent E") << "8E3"
                                << "8000";
    QTest::newRow("exponent e with sign") << "8e+2"
                                          << "800";
    QTest::newRow("exponent D") << "8D2"
                                << "800";
    QTest::newRow("negative exponent") << "80E-1"
                                       << "8";
    QTest::newRow("fraction from exponent") << "81E-1"
                                            << "8.1";
    QTest::newRow("exponent without digits") << "81E"
                                             << "81";
    QTest::newRow("exponent sign without digits") << "81E+x"
                                                  << "81";
    QTest::newRow("blank inside exponent") << "1 E 2"
                                           << "100";
    QTest::newRow("large whole number") << "1E20"
                                        << "100000000000000000000";
    QTest::newRow("small fraction") << "1E-7"
                                    << "0.0000001";
    QTest::newRow("fifteen digits") << "0.1000000000000001"
                                    << "0.1";
    QTest::newRow("too large") << "1E999"
                               << "0";
    QTest::newRow("minus zero") << "-0"
                                << "0";

    // Hexadecimal and octal.
    QTest::newRow("hex") << "&H50"
                         << "80";
    QTest::newRow("hex lower case") << "&hff"
                                    << "255";
    QTest::newRow("hex stops") << "&H1FG"
                               << "31";
    QTest::newRow("hex without digits") << "&H"
                                        << "0";
    QTest::newRow("hex large") << "&HFFFF"
                               << "65535";
    QTest::newRow("hex with blanks") << "& H 1 0"
                                     << "16";
    QTest::newRow("octal") << "&O17"
                           << "15";
    QTest::newRow("octal stops at 8") << "&O178"
                                      << "15";
    QTest::newRow("ampersand alone") << "&12"
                                     << "0";
    QTest::newRow("sign before prefix") << "-&H10"
                                        << "0";
}

void TestPortText::portText()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(PortText(input), expected);
}

QTEST_APPLESS_MAIN(TestPortText)
#include "test_porttext.moc"
