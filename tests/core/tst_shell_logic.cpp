#include "core/time_online.h"
#include "core/window_arrangement.h"
#include "support/test_main.h"

class TestShellLogic : public QObject {
    Q_OBJECT
private slots:
    void timeOnline_data();
    void timeOnline();
    void tiling_data();
    void tiling();
};

void TestShellLogic::timeOnline_data()
{
    QTest::addColumn<qint64>("hours"); // where the clock starts
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first tick") << 0LL << 1 << "Time Online: 0 Hours 0 Minutes 1 Seconds ";
    QTest::newRow("60th tick") << 0LL << 60 << "Time Online: 0 Hours 1 Minutes 0 Seconds ";
    QTest::newRow("3600th tick") << 0LL << 3600 << "Time Online: 1 Hours 0 Minutes 0 Seconds ";
    QTest::newRow("past 16 bits") << 32767LL << 3600
                                  << "Time Online: 32768 Hours 0 Minutes 0 Seconds ";
}

void TestShellLogic::timeOnline()
{
    QFETCH(qint64, hours);
    QFETCH(int, ticks);
    QFETCH(QString, caption);
    TimeOnline clock;
    clock.HOL = hours;
    for (int i = 0; i < ticks; ++i)
        clock.tick();
    QCOMPARE(clock.caption(), caption);
}

void TestShellLogic::tiling_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<Arrangement>("tiling");
    QTest::addColumn<QList<QRect>>("expected");
    const QRect area(0, 0, 900, 600);
    QTest::newRow("none") << 0 << area << Arrangement::TileHorizontal << QList<QRect>{};
    QTest::newRow("three stacked")
        << 3 << area << Arrangement::TileHorizontal
        << QList<QRect>{{0, 0, 900, 200}, {0, 200, 900, 200}, {0, 400, 900, 200}};
    QTest::newRow("three side by side")
        << 3 << area << Arrangement::TileVertical
        << QList<QRect>{{0, 0, 300, 600}, {300, 0, 300, 600}, {600, 0, 300, 600}};
    QTest::newRow("remainder goes to the last")
        << 4 << QRect(10, 20, 102, 50) << Arrangement::TileVertical
        << QList<QRect>{{10, 20, 25, 50}, {35, 20, 25, 50}, {60, 20, 25, 50}, {85, 20, 27, 50}};
}

void TestShellLogic::tiling()
{
    QFETCH(int, count);
    QFETCH(QRect, area);
    QFETCH(Arrangement, tiling);
    QFETCH(QList<QRect>, expected);
    QCOMPARE(tileRects(count, area, tiling), expected);
}

BRIVOLA_TEST_MAIN(TestShellLogic)
#include "tst_shell_logic.moc"
