#include "core/time_online.h"
#include "core/window_arrangement.h"
#include "support/test_main.h"

class TestShellLogic : public QObject {
    Q_OBJECT
private slots:
    void timeOnline()
    {
        TimeOnline clock;
        clock.tick();
        QCOMPARE(clock.caption(), "Time Online: 0 Hours 0 Minutes 1 Seconds ");
        clock.HOL = 32767; // the next hour is past 16 bits
        for (int i = 1; i < 3600; ++i)
            clock.tick();
        QCOMPARE(clock.caption(), "Time Online: 32768 Hours 0 Minutes 0 Seconds ");
    }

    // Tiles cover the area; what is left over goes to the last window.
    void tiling_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Arrangement>("tiling");
        QTest::addColumn<QList<QRect>>("expected");
        QTest::newRow("none") << 0 << Arrangement::TileHorizontal << QList<QRect>{};
        QTest::newRow("side by side")
            << 4 << Arrangement::TileVertical
            << QList<QRect>{{10, 20, 25, 50}, {35, 20, 25, 50}, {60, 20, 25, 50}, {85, 20, 27, 50}};
        QTest::newRow("stacked") << 3 << Arrangement::TileHorizontal
                                 << QList<QRect>{
                                        {10, 20, 102, 16}, {10, 36, 102, 16}, {10, 52, 102, 18}};
    }

    void tiling()
    {
        QFETCH(int, count);
        QFETCH(Arrangement, tiling);
        QFETCH(QList<QRect>, expected);
        QCOMPARE(tileRects(count, QRect(10, 20, 102, 50), tiling), expected);
    }
};

BRIVOLA_TEST_MAIN(TestShellLogic)
#include "tst_shell_logic.moc"
