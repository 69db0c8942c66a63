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
    QTest::newRow("two matches in list order")
        << QStringList{"night", "dice", "casino"} << "Casino Night" << Positions{0, 2};
    QTest::newRow("Unicode case folding") << QStringList{"σίσυφος"} << "Ο ΣΊΣΥΦΟΣ" << Positions{0};
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
