#include "core/restriction_list.h"
#include "support/test_main.h"

using Positions = QList<qsizetype>;

// Reading the list is tested through the administrator's tool, which shows it as it is read.
class TestRestrictionList : public QObject {
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
};

void TestRestrictionList::matching_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Positions>("expected");
    QTest::newRow("letter case") << QStringList{"PoKeR"} << "poker" << Positions{0};
    QTest::newRow("inside a longer word") << QStringList{"sin"} << "The Casinos" << Positions{0};
    QTest::newRow("one character") << QStringList{"x"} << "Box" << Positions{0};
    QTest::newRow("empty entry matches any title") << QStringList{""} << "News" << Positions{0};
    QTest::newRow("empty title matches nothing")
        << QStringList{"", "a"} << QString() << Positions{};
    QTest::newRow("overlapping entries, each once")
        << QStringList{"he", "she", "his", "hers", "ushers"} << "ushers, she said"
        << Positions{0, 1, 3, 4};
    QTest::newRow("duplicate entries")
        << QStringList{"dice", "x", "dice"} << "Dice" << Positions{0, 2};
    QTest::newRow("longer than the title") << QStringList{"casinos"} << "casino" << Positions{};
    QTest::newRow("two matches in list order")
        << QStringList{"night", "dice", "casino"} << "Casino Night" << Positions{0, 2};
    QTest::newRow("Unicode case folding") << QStringList{"σίσυφος"} << "Ο ΣΊΣΥΦΟΣ" << Positions{0};
    // Look-alike spellings of a listed word.
    QTest::newRow("fullwidth") << QStringList{"casino"} << "ＣＡＳＩＮＯ Night" << Positions{0};
    QTest::newRow("ligature") << QStringList{"finance"} << "ﬁnance tips" << Positions{0};
    QTest::newRow("zero-width space") << QStringList{"casino"} << "Ca\u200Bsino" << Positions{0};
    QTest::newRow("joiners and direction marks")
        << QStringList{"casino"} << "c\u200Da\u200Cs\u200Ei\u2066no" << Positions{0};
    QTest::newRow("soft hyphen") << QStringList{"casino"} << "casi\u00ADno" << Positions{0};
    QTest::newRow("Turkish dotted I") << QStringList{"casino"} << "CAS\u0130NO" << Positions{0};
    QTest::newRow("Turkish dotless i") << QStringList{"casino"} << "cas\u0131no" << Positions{0};
    QTest::newRow("sharp s is ss") << QStringList{"strasse"} << "Stra\u00DFe" << Positions{0};
    QTest::newRow("listed sharp s") << QStringList{"stra\u00DFe"} << "STRASSE" << Positions{0};
    QTest::newRow("combining accent") << QStringList{"casino"} << "casi\u0301no" << Positions{0};
    QTest::newRow("precomposed accent") << QStringList{"casino"} << "cas\u00EDno" << Positions{0};
    QTest::newRow("entry of invisible characters only")
        << QStringList{"\u200B"} << "News" << Positions{0};
}

void TestRestrictionList::matching()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    QFETCH(Positions, expected);
    QCOMPARE(RestrictionList(entries).matches(title), expected);
}

BRIVOLA_TEST_MAIN(TestRestrictionList)
#include "tst_restriction_list.moc"
