#include "organizer/month_grid.h"
#include "support/test_main.h"

#include <QDate>

namespace {

// The years that are not leap years although divisible by 4, in the years offered.
const QList<int> kCenturiesNotLeap{100,  200,  300,  500,  600,  700,  900,  1000,
                                   1100, 1300, 1400, 1500, 1700, 1800, 1900, 2100,
                                   2200, 2300, 2500, 2600, 2700, 2900, 3000};

// QDate counts 1 BC as year -1; the grid's year 0 is that year.
QDate firstOfMonth(int month, int year)
{
    return QDate(year == 0 ? -1 : year, month, 1);
}

} // namespace

class TestMonthGrid : public QObject {
    Q_OBJECT
private slots:
    void months_data();
    void months();
    void everyMonthMatchesTheCalendar();
    void leapYearsAreTheListedOnes();
    void noMonthGivesAnEmptyGrid();
};

void TestMonthGrid::months_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("days");

    QTest::newRow("February 2000, leap") << 2 << 2000 << 2 << 29;
    QTest::newRow("February 1996, leap") << 2 << 1996 << 4 << 29;
    QTest::newRow("February 1900") << 2 << 1900 << 4 << 28;
    QTest::newRow("February 2100") << 2 << 2100 << 1 << 28;
    QTest::newRow("February 1999") << 2 << 1999 << 1 << 28;
    QTest::newRow("31 days from Saturday: January 2000") << 1 << 2000 << 6 << 31;
    QTest::newRow("February from Sunday: 2015") << 2 << 2015 << 0 << 28;
    QTest::newRow("April 1998") << 4 << 1998 << 3 << 30;
    QTest::newRow("January of year 0") << 1 << 0 << 6 << 31;
    QTest::newRow("February of year 0, leap") << 2 << 0 << 2 << 29;
    QTest::newRow("January 99") << 1 << 99 << 4 << 31;
    QTest::newRow("February 100") << 2 << 100 << 1 << 28;
    QTest::newRow("September 1752, no days dropped") << 9 << 1752 << 5 << 30;
    QTest::newRow("February 3000") << 2 << 3000 << 6 << 28;
    QTest::newRow("December 3000") << 12 << 3000 << 1 << 31;
}

void TestMonthGrid::months()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, firstColumn);
    QFETCH(int, days);

    const MonthGrid grid = FillMonthGrid(month, year);
    QCOMPARE(grid.firstColumn, firstColumn);
    QCOMPARE(grid.lastOffset, days - 1);
    for (int index = 0; index < kDayButtons; ++index) {
        const int day = index - firstColumn + 1;
        const QString expected = day >= 1 && day <= days ? QString::number(day) : QString();
        QCOMPARE(grid.captions[index], expected);
    }
}

void TestMonthGrid::everyMonthMatchesTheCalendar()
{
    for (int year = 0; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first = firstOfMonth(month, year);
            const MonthGrid grid = FillMonthGrid(month, year);
            QCOMPARE(grid.firstColumn, first.dayOfWeek() % 7);
            QCOMPARE(grid.lastOffset, first.daysInMonth() - 1);
            QVERIFY(grid.firstColumn + grid.lastOffset <= 36);
        }
    }
}

void TestMonthGrid::leapYearsAreTheListedOnes()
{
    for (int year = 0; year <= kLastYear; ++year) {
        const bool listedLeap = year % 4 == 0 && !kCenturiesNotLeap.contains(year);
        QCOMPARE(isLeapYear(year), listedLeap);
        QCOMPARE(FillMonthGrid(2, year).lastOffset, listedLeap ? 28 : 27);
    }
}

void TestMonthGrid::noMonthGivesAnEmptyGrid()
{
    for (const int month : {0, 13}) {
        const MonthGrid grid = FillMonthGrid(month, 1998);
        for (const QString& caption : grid.captions)
            QVERIFY(caption.isEmpty());
    }
}

BRIVOLA_TEST_MAIN(TestMonthGrid)
#include "tst_month_grid.moc"
