#include "platform/real/system_clock.h"
#include "support/test_main.h"

class TestSystemClock : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
};

void TestSystemClock::formats_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("timeOfDay");
    QTest::addColumn<QString>("medium");
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << "3:45:07 PM"
                                << "3:45 PM";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "15:45:07"
                            << "15:45";
    QTest::newRow("C") << QLocale::c() << "15:45:07"
                       << "15:45";
}

void TestSystemClock::formats()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, timeOfDay);
    QFETCH(QString, medium);
    const QTime time(15, 45, 7);
    QCOMPARE(locale.toString(time, SystemClock::timeFormatWithoutZone(locale)), timeOfDay);
    QCOMPARE(locale.toString(time, SystemClock::timeFormatWithoutSeconds(locale)), medium);
}

BRIVOLA_TEST_MAIN(TestSystemClock)
#include "tst_system_clock.moc"
