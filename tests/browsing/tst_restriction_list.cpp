#include "browsing/restriction_list.h"
#include "support/fake_settings_store.h"
#include "support/test_main.h"

namespace {

using namespace Restrictions;

// A store holding "Number" (unless null) and the given keys and values.
void fill(FakeSettingsStore& store, const QString& number,
          const QList<std::pair<QString, QString>>& entries)
{
    if (!number.isNull())
        store.write(kApplication, kSection, kCountKey, number);
    for (const auto& [key, value] : entries)
        store.write(kApplication, kSection, key, value);
}

using Entries = QList<std::pair<QString, QString>>;

} // namespace

class TestRestrictionList : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void hugeCountReadsAtOnce();
    void otherApplicationsAndSectionsAreNotRead();
    void matching_data();
    void matching();
    void listKeys_data();
    void listKeys();
};

void TestRestrictionList::reading_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<Entries>("stored");
    QTest::addColumn<QStringList>("expected");
    const Entries three = {{"0", "casino"}, {"1", "poker"}, {"2", "dice"}};

    QTest::newRow("no count") << QString() << three << QStringList();
    QTest::newRow("minus one") << "-1" << three << QStringList();
    QTest::newRow("minus one with blanks reads as -1") << " -1" << three << QStringList();
    QTest::newRow("zero") << "0" << three << QStringList();
    QTest::newRow("no leading number") << "abc" << three << QStringList();
    QTest::newRow("negative") << "-5" << three << QStringList();
    QTest::newRow("all") << "3" << three << QStringList{"casino", "poker", "dice"};
    QTest::newRow("fewer than stored") << "2" << three << QStringList{"casino", "poker"};
    QTest::newRow("fraction") << "2.5" << three << QStringList{"casino", "poker"};
    QTest::newRow("fraction below one") << "0.9" << three << QStringList();
    QTest::newRow("leading number") << "3 words" << three << QStringList{"casino", "poker", "dice"};
    QTest::newRow("hexadecimal") << "&H2" << three << QStringList{"casino", "poker"};
    QTest::newRow("duplicates and empty values")
        << "4" << Entries{{"0", "dice"}, {"1", ""}, {"2", "dice"}, {"3", "x"}}
        << QStringList{"dice", "", "dice", "x"};
    QTest::newRow("one missing inside")
        << "3" << Entries{{"0", "casino"}, {"2", "dice"}} << QStringList{"casino", "", "dice"};
    QTest::newRow("missing at the start")
        << "3" << Entries{{"1", "poker"}, {"2", "dice"}} << QStringList{"", "poker", "dice"};
    QTest::newRow("missing at the end")
        << "4" << three << QStringList{"casino", "poker", "dice", ""};
    QTest::newRow("several missing held as one")
        << "6" << Entries{{"0", "a"}, {"2", "c"}, {"5", "f"}} << QStringList{"a", "", "c", "f"};
    QTest::newRow("none stored") << "2" << Entries{} << QStringList{""};
    QTest::newRow("keys that are no counters")
        << "3" << Entries{{"00", "x"}, {"+1", "y"}, {" 2", "z"}, {"note", "n"}, {"0", "a"}}
        << QStringList{"a", ""};
    QTest::newRow("keys beyond the count ignored")
        << "2" << Entries{{"0", "a"}, {"1", "b"}, {"7", "h"}} << QStringList{"a", "b"};
}

void TestRestrictionList::reading()
{
    QFETCH(QString, number);
    QFETCH(Entries, stored);
    QFETCH(QStringList, expected);
    FakeSettingsStore store;
    fill(store, number, stored);
    QCOMPARE(read(store), expected);
}

void TestRestrictionList::hugeCountReadsAtOnce()
{
    const QStringList counts = {"1e9", "&H7FFFFFFF", "1e300", "1e999"};
    for (const QString& count : counts) {
        FakeSettingsStore store;
        fill(store, count, {{"0", "casino"}, {"1", "poker"}, {"123456789", "late"}});
        // Reading key by key up to the count would not end within the test's time limit.
        const QStringList entries = read(store);
        QCOMPARE(entries, (QStringList{"casino", "poker", "", "late"}));
        QCOMPARE(RestrictionList(entries).matches(QStringLiteral("Any page")).size(), 1);
    }
}

void TestRestrictionList::otherApplicationsAndSectionsAreNotRead()
{
    FakeSettingsStore store;
    store.write(QStringLiteral("Orvane Organizer"), kSection, kCountKey, QStringLiteral("1"));
    store.write(QStringLiteral("Orvane Organizer"), kSection, QStringLiteral("0"),
                QStringLiteral("x"));
    store.write(kApplication, QStringLiteral("Internet Settings"), kCountKey, QStringLiteral("1"));
    QCOMPARE(read(store), QStringList());
    // Section and key names ignore letter case.
    store.write(kApplication, QStringLiteral("RESTRICTIONS"), QStringLiteral("number"),
                QStringLiteral("1"));
    store.write(kApplication, QStringLiteral("restrictions"), QStringLiteral("0"),
                QStringLiteral("casino"));
    QCOMPARE(read(store), QStringList{"casino"});
}

void TestRestrictionList::matching_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<qsizetype>>("expected");
    using Positions = QList<qsizetype>;

    QTest::newRow("no list") << QStringList() << "Casino" << Positions{};
    QTest::newRow("upper case title") << QStringList{"casino"} << "CASINO night" << Positions{0};
    QTest::newRow("inside a longer word") << QStringList{"casino"} << "The Casinos" << Positions{0};
    QTest::newRow("fragment of a word") << QStringList{"sin"} << "Casino" << Positions{0};
    QTest::newRow("mixed case entry") << QStringList{"PoKeR"} << "poker rules" << Positions{0};
    QTest::newRow("no match") << QStringList{"casino"} << "Cooking" << Positions{};
    QTest::newRow("longer than the title") << QStringList{"casinos"} << "casino" << Positions{};
    QTest::newRow("phrase") << QStringList{"bad word"} << "A bad  word" << Positions{};
    QTest::newRow("phrase found") << QStringList{"bad word"} << "A BAD WORD!" << Positions{0};
    QTest::newRow("empty entry matches any title") << QStringList{""} << "News" << Positions{0};
    QTest::newRow("empty title matches nothing")
        << QStringList{"", "a"} << QString() << Positions{};
    QTest::newRow("one character") << QStringList{"x"} << "Box" << Positions{0};
    QTest::newRow("two matches in list order")
        << QStringList{"night", "dice", "casino"} << "Casino Night" << Positions{0, 2};
    QTest::newRow("duplicates each match")
        << QStringList{"dice", "dice"} << "Dice" << Positions{0, 1};
    QTest::newRow("Unicode case folding") << QStringList{"σίσυφος"} << "Ο ΣΊΣΥΦΟΣ" << Positions{0};
    QTest::newRow("accents are letters") << QStringList{"café"} << "CAFÉ OLÉ" << Positions{0};
    QTest::newRow("accents differ") << QStringList{"cafe"} << "Café" << Positions{};
}

void TestRestrictionList::matching()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    QFETCH(QList<qsizetype>, expected);
    QCOMPARE(RestrictionList(entries).matches(title), expected);
}

void TestRestrictionList::listKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("listKey");
    QTest::newRow("Number") << "Number" << true;
    QTest::newRow("NUMBER") << "NUMBER" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("123") << "123" << true;
    QTest::newRow("leading zero") << "012" << false;
    QTest::newRow("sign") << "+1" << false;
    QTest::newRow("word") << "Note" << false;
    QTest::newRow("empty") << "" << false;
}

void TestRestrictionList::listKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, listKey);
    QCOMPARE(isListKey(key), listKey);
}

BRIVOLA_TEST_MAIN(TestRestrictionList)
#include "tst_restriction_list.moc"
