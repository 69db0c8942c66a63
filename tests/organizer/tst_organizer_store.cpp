#include "organizer/agenda.h"
#include "organizer/named_list_store.h"
#include "organizer/stored_count.h"
#include "support/fake_settings_store.h"
#include "support/test_main.h"

namespace {

void put(FakeSettingsStore& store, const QString& section, const QString& key, const QString& value)
{
    store.write(kOrganizerApplication, section, key, value);
}

QString get(const FakeSettingsStore& store, const QString& section, const QString& key)
{
    return store.read(kOrganizerApplication, section, key, QStringLiteral("<absent>"));
}

} // namespace

class TestOrganizerStore : public QObject {
    Q_OBJECT
private slots:
    void agendaCount_data();
    void agendaCount();
    void listCount_data();
    void listCount();
    void damageMessageSaysWhatAndWhere();
    void agendaLoadsReversed();
    void agendaWithoutSectionHasOneEmptyEntry();
    void agendaSavesInListOrder();
    void agendaDateTexts_data();
    void agendaDateTexts();
    void listsLoadAndSave();
    void listCountBeyondTheKeysGivesEmptyEntries();
    void favouriteAddress_data();
    void favouriteAddress();
};

void TestOrganizerStore::agendaCount_data()
{
    QTest::addColumn<QString>("stored"); // "<absent>" for no value at all
    QTest::addColumn<int>("count");      // -1: damaged

    QTest::newRow("absent: one entry") << "<absent>" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("plain") << "2" << 2;
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("largest") << "1000000" << 1000000;
    QTest::newRow("hexadecimal") << "&H10" << 16;
    QTest::newRow("exponent") << "1e3" << 1000;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blank") << "  " << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("number then letters") << "12abc" << -1;
    QTest::newRow("fraction") << "2.5" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("too many") << "1000001" << -1;
    QTest::newRow("infinite") << "1e999" << -1;
}

void TestOrganizerStore::agendaCount()
{
    QFETCH(QString, stored);
    QFETCH(int, count);
    FakeSettingsStore store;
    if (stored != "<absent>")
        put(store, kAgendaSection, QStringLiteral("Number"), stored);
    if (count < 0) {
        QVERIFY_THROWS_EXCEPTION(
            DamagedStoreError,
            exactCount(store, kAgendaSection, QStringLiteral("number"), QStringLiteral("1")));
    } else {
        QCOMPARE(exactCount(store, kAgendaSection, QStringLiteral("number"), QStringLiteral("1")),
                 count);
    }
}

void TestOrganizerStore::listCount_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("count"); // -1: damaged

    QTest::newRow("absent") << "<absent>" << 0;
    QTest::newRow("plain") << "3" << 3;
    QTest::newRow("number then letters") << "3 entries" << 3;
    QTest::newRow("letters") << "many" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("fraction cut off") << "2.9" << 2;
    QTest::newRow("negative") << "-4" << 0;
    QTest::newRow("largest") << "1000000" << 1000000;
    QTest::newRow("too many") << "1000001" << -1;
    QTest::newRow("too many, hexadecimal") << "&HFFFFFFF" << -1;
    QTest::newRow("infinite") << "1e999" << -1;
}

void TestOrganizerStore::listCount()
{
    QFETCH(QString, stored);
    QFETCH(int, count);
    FakeSettingsStore store;
    if (stored != "<absent>")
        put(store, QStringLiteral("URL"), QStringLiteral("URLS"), stored);
    if (count < 0) {
        QVERIFY_THROWS_EXCEPTION(DamagedStoreError, loadNamedList(store, kFavouritesPlace));
    } else {
        QCOMPARE(
            leadingCount(store, QStringLiteral("URL"), QStringLiteral("URLS"), QStringLiteral("0")),
            count);
    }
}

void TestOrganizerStore::damageMessageSaysWhatAndWhere()
{
    FakeSettingsStore store;
    put(store, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("99999999"));
    try {
        loadNamedList(store, kPhonePlace);
        QFAIL("a damaged count was loaded");
    } catch (const DamagedStoreError& error) {
        const QString message = QString::fromStdString(error.what());
        QVERIFY2(message.contains("memory:Orvane Organizer"), qPrintable(message));
        QVERIFY2(message.contains("\"Number\" in section \"Phone\" holds \"99999999\""),
                 qPrintable(message));
    }
}

void TestOrganizerStore::agendaLoadsReversed()
{
    FakeSettingsStore store;
    put(store, kAgendaSection, QStringLiteral("Number"), QStringLiteral("3"));
    for (const char* key : {"0", "1", "2"}) {
        put(store, kAgendaSection, QLatin1String(key), QStringLiteral("date ") + key);
        put(store, kAgendaSection, QLatin1String(key) + QLatin1Char('A'),
            QStringLiteral("text ") + key);
    }
    Agenda agenda;
    agenda.load(store);
    QCOMPARE(agenda.Sch1, (QStringList{"date 2", "date 1", "date 0"}));
    QCOMPARE(agenda.Sch2, (QStringList{"text 2", "text 1", "text 0"}));
    QCOMPARE(agenda.find(QStringLiteral("date 1")), 1);
    QCOMPARE(agenda.find(QStringLiteral("date 9")), -1);
}

void TestOrganizerStore::agendaWithoutSectionHasOneEmptyEntry()
{
    FakeSettingsStore store;
    Agenda agenda;
    agenda.load(store);
    QCOMPARE(agenda.Sch1, QStringList{QString()});
    QCOMPARE(agenda.Sch2, QStringList{QString()});
}

void TestOrganizerStore::agendaSavesInListOrder()
{
    FakeSettingsStore store;
    for (const char* key : {"2", "2A"})
        put(store, kAgendaSection, QLatin1String(key), QStringLiteral("older, longer save"));
    Agenda agenda;
    agenda.Sch1 = QStringList{"4/19/1998", "4/18/1998"};
    agenda.Sch2 = QStringList{"Dentist\nat 3", ""};
    agenda.addFront(QStringLiteral("4/20/1998"));
    agenda.save(store);

    QCOMPARE(get(store, kAgendaSection, "number"), "3");
    QCOMPARE(get(store, kAgendaSection, "0"), "4/20/1998");
    QCOMPARE(get(store, kAgendaSection, "0A"), "");
    QCOMPARE(get(store, kAgendaSection, "1"), "4/19/1998");
    QCOMPARE(get(store, kAgendaSection, "1A"), "Dentist\nat 3");
    QCOMPARE(get(store, kAgendaSection, "2"), "4/18/1998");
    QCOMPARE(get(store, kAgendaSection, "2A"), "");
    QCOMPARE(store.keys(kOrganizerApplication, kAgendaSection).size(), 7);

    agenda.clear();
    agenda.save(store);
    QCOMPARE(get(store, kAgendaSection, "Number"), "0");
    QCOMPARE(get(store, kAgendaSection, "0"), "4/20/1998"); // beyond the count, never read
}

void TestOrganizerStore::agendaDateTexts_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    QTest::newRow("no leading zeros") << 4 << 9 << 1998 << "4/9/1998";
    QTest::newRow("two digits") << 12 << 31 << 2000 << "12/31/2000";
    QTest::newRow("year 0") << 1 << 1 << 0 << "1/1/0";
    QTest::newRow("year 99") << 2 << 28 << 99 << "2/28/99";
}

void TestOrganizerStore::agendaDateTexts()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, text);
    QCOMPARE(dateText(month, day, year), text);
}

void TestOrganizerStore::listsLoadAndSave()
{
    FakeSettingsStore store;
    const QStringList phones{"Zed  ::  1", "Abe  ::  2"};
    saveNamedList(store, kPhonePlace, phones);
    saveNamedList(store, kFavouritesPlace, {"Home  ::  http://example.com/"});

    QCOMPARE(get(store, "Phone", "Number"), "2");
    QCOMPARE(get(store, "Phone", "0"), "Zed  ::  1");
    QCOMPARE(get(store, "Phone", "1"), "Abe  ::  2");
    QCOMPARE(get(store, "URL", "URLS"), "1");
    QCOMPARE(get(store, "URL", "0"), "Home  ::  http://example.com/");
    QCOMPARE(loadNamedList(store, kPhonePlace), phones);
    QCOMPARE(namedEntry(QStringLiteral("Abe"), QStringLiteral("555")), "Abe  ::  555");
}

void TestOrganizerStore::listCountBeyondTheKeysGivesEmptyEntries()
{
    FakeSettingsStore store;
    put(store, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("3"));
    put(store, QStringLiteral("Phone"), QStringLiteral("1"), QStringLiteral("Abe  ::  2"));
    QCOMPARE(loadNamedList(store, kPhonePlace), (QStringList{"", "Abe  ::  2", ""}));
    QVERIFY(loadNamedList(store, kFavouritesPlace).isEmpty());
}

void TestOrganizerStore::favouriteAddress_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");
    QTest::newRow("added entry") << "Home  ::  http://example.com/"
                                 << "http://example.com/";
    QTest::newRow("blanks in the value") << "Home  ::   spaced "
                                         << " spaced ";
    QTest::newRow("separator in the name") << "x :: yz  ::  v"
                                           << "z  ::  v";
    QTest::newRow("no separator: from the fifth character") << "abcdefg"
                                                            << "efg";
    QTest::newRow("short, no separator") << "abc"
                                         << "";
    QTest::newRow("nothing after the separator") << "Home  ::  "
                                                 << "";
}

void TestOrganizerStore::favouriteAddress()
{
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QCOMPARE(::favouriteAddress(entry), address);
}

BRIVOLA_TEST_MAIN(TestOrganizerStore)
#include "tst_organizer_store.moc"
