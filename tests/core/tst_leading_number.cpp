#include "core/leading_number.h"
#include "support/test_main.h"

#include <limits>

// The forms beyond plain decimal numbers, which tst_fuzz checks against a reference.
class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("only"); // the whole text is that number
        QTest::newRow("letters") << "abc" << 0.0 << false;
        QTest::newRow("number then letters") << "3x" << 3.0 << false;
        QTest::newRow("blanks inside") << " 1 2\t\n" << 12.0 << true;
        QTest::newRow("carriage return ends it") << "1\r2" << 1.0 << false;
        QTest::newRow("hexadecimal") << "&hFF" << 255.0 << true;
        QTest::newRow("hexadecimal stops at non-digit") << "&H1G" << 1.0 << false;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0 << false;
        QTest::newRow("ampersand alone") << "&H" << 0.0 << false;
        QTest::newRow("exponent with D") << "2D2" << 200.0 << true;
        QTest::newRow("huge") << "1e999" << std::numeric_limits<double>::infinity() << true;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\xd9\xa3") << 0.0 << false;
    }

    void reads()
    {
        QFETCH(QString, text);
        QTEST(leadingNumber(text), "value");
        QTEST(isNumberOnly(text), "only");
    }
};

BRIVOLA_TEST_MAIN(TestLeadingNumber)
#include "tst_leading_number.moc"
