#include "core/month_grid.h"
#include "core/named_list_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"
#include "support/fake_settings_store.h"
#include "support/test_main.h"

#include <QDate>

class TestOrganizerLogic : public QObject {
    Q_OBJECT
private slots:
    void everyMonthMatchesTheCalendar();
    void counts_data();
    void counts();
    void favouriteAddress();
};

// Against Qt's proleptic Gregorian calendar, where 1 BC, the grid's year 0, is year -1.
void TestOrganizerLogic::everyMonthMatchesTheCalendar()
{
    for (int year = 0; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year == 0 ? -1 : year, month, 1);
            const MonthGrid grid = FillMonthGrid(month, year);
            QCOMPARE(grid.firstColumn, first.dayOfWeek() % 7);
            QCOMPARE(grid.lastOffset, first.daysInMonth() - 1);
            for (int index = 0; index < kDayButtons; ++index) {
                const int day = index - grid.firstColumn + 1;
                const bool inMonth = day >= 1 && day <= first.daysInMonth();
                QCOMPARE(grid.captions[index], inMonth ? QString::number(day) : QString());
            }
        }
    }
    for (const int noMonth : {0, 13})
        QVERIFY(FillMonthGrid(noMonth, 1998).captions == MonthGrid().captions);
}

void TestOrganizerLogic::counts_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("agenda"); // the agenda's exact count; -1: damaged
    QTest::addColumn<int>("list");   // a list's lenient count; -1: damaged
    QTest::newRow("blanks around") << " 12 " << 12 << 12;
    QTest::newRow("largest") << "1000000" << 1000000 << 1000000;
    QTest::newRow("empty") << "" << -1 << 0;
    QTest::newRow("number then letters") << "3 entries" << -1 << 3;
    QTest::newRow("fraction") << "2.5" << 2 << 2;
    QTest::newRow("negative") << "-1" << 0 << 0;
    QTest::newRow("too many") << "1000001" << -1 << -1;
    QTest::newRow("too many, hexadecimal") << "&HFFFFFFF" << -1 << -1;
    QTest::newRow("infinite") << "1e999" << -1 << -1;
}

void TestOrganizerLogic::counts()
{
    QFETCH(QString, stored);
    QFETCH(int, agenda);
    QFETCH(int, list);
    FakeSettingsStore store;
    store.write(Texts::kOrganizerStore, "Data", "Number", stored);
    store.write(Texts::kOrganizerStore, "URL", "URLS", stored);
    if (agenda < 0)
        QVERIFY_THROWS_EXCEPTION(DamagedStoreError, exactCount(store, "Data", "number", "1"));
    else
        QCOMPARE(exactCount(store, "Data", "number", "1"), agenda);
    if (list < 0)
        QVERIFY_THROWS_EXCEPTION(DamagedStoreError, loadNamedList(store, kFavouritesPlace));
    else
        QCOMPARE(leadingCount(store, "URL", "URLS", "0"), list);
}

// What follows the first " :: " and one more character; without one, from the fifth character.
void TestOrganizerLogic::favouriteAddress()
{
    const QList<std::pair<QString, QString>> entriesAndAddresses{
        {"Home  ::  http://example.com/", "http://example.com/"},
        {"x :: yz  ::  v", "z  ::  v"},
        {"abcdefg", "efg"},
        {"abc", ""}};
    for (const auto& [entry, address] : entriesAndAddresses)
        QCOMPARE(::favouriteAddress(entry), address);
}

BRIVOLA_TEST_MAIN(TestOrganizerLogic)
#include "tst_organizer_logic.moc"
