#include "core/leading_number.h"
#include "support/test_main.h"

#include <limits>

class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void numberOnly_data();
    void numberOnly();
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
    QTest::newRow("hexadecimal stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent with D") << "2D2" << 200.0;
    QTest::newRow("negative exponent") << "5E-1" << 0.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("huge") << "1e999" << infinity;
    QTest::newRow("non-ASCII digits are not digits") << QString::fromUtf8("\xd9\xa3") << 0.0;
}

void TestLeadingNumber::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(leadingNumber(text), expected);
}

void TestLeadingNumber::numberOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("only");

    QTest::newRow("digits") << "12" << true;
    QTest::newRow("blanks anywhere") << " 1 2\t" << true;
    QTest::newRow("signed fraction") << "-2.5" << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("hexadecimal") << "&hFF" << true;
    QTest::newRow("octal") << "&O17" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("number then letters") << "3x" << false;
    QTest::newRow("exponent without digits") << "4e" << false;
    QTest::newRow("ampersand alone") << "&H" << false;
    QTest::newRow("octal with 8") << "&O18" << false;
    QTest::newRow("carriage return") << "1\r" << false;
}

void TestLeadingNumber::numberOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, only);
    QCOMPARE(isNumberOnly(text), only);
}

BRIVOLA_TEST_MAIN(TestLeadingNumber)
#include "tst_leading_number.moc"
