#include "platform/leading_number.h"
#include "support/test_main.h"

#include <limits>

class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void wholeNumbers_data();
    void wholeNumbers();
};

void TestLeadingNumber::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double infinity = std::numeric_limits<double>::infinity();

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("number then letters") << "3x" << 3.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("blanks inside") << " 1 2 " << 12.0;
    QTest::newRow("tabs and line feeds") << "\t1\n0" << 10.0;
    QTest::newRow("carriage return ends it") << "1\r2" << 1.0;
    QTest::newRow("hexadecimal") << "&H10" << 16.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("hexadecimal stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent with D") << "2D2" << 200.0;
    QTest::newRow("negative exponent") << "5E-1" << 0.5;
    QTest::newRow("exponent without digits") << "4e" << 4.0;
    QTest::newRow("exponent sign without digits") << "4e+" << 4.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("huge") << "1e999" << infinity;
    QTest::newRow("comma is not a decimal point") << "1,5" << 1.0;
    QTest::newRow("non-ASCII digits are not digits") << QString::fromUtf8("\xd9\xa3") << 0.0;
}

void TestLeadingNumber::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(leadingNumber(text), expected);
}

void TestLeadingNumber::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");

    QTest::newRow("digits") << "12" << true;
    QTest::newRow("blanks anywhere") << " 1 2\t" << true;
    QTest::newRow("signed fraction") << "-2.5" << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("hexadecimal") << "&hFF" << true;
    QTest::newRow("octal") << "&O17" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << " \t" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("number then letters") << "3x" << false;
    QTest::newRow("exponent without digits") << "4e" << false;
    QTest::newRow("sign alone") << "-" << false;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("ampersand alone") << "&H" << false;
    QTest::newRow("octal with 8") << "&O18" << false;
    QTest::newRow("carriage return") << "1\r" << false;
}

void TestLeadingNumber::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QCOMPARE(isWholeNumber(text), whole);
}

BRIVOLA_TEST_MAIN(TestLeadingNumber)
#include "tst_leading_number.moc"
