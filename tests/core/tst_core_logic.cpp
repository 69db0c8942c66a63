#include "core/address_rules.h"
#include "core/agenda.h"
#include "core/command_line.h"
#include "core/leading_number.h"
#include "core/month_grid.h"
#include "core/named_list_store.h"
#include "core/restriction_list.h"
#include "core/time_online.h"
#include "core/window_arrangement.h"
#include "support/test_main.h"

#include <QDate>
#include <QProcess>
#include <QRandomGenerator>

using CommandLine::Request;
using Positions = QList<qsizetype>;

// Widget-free logic: addresses, numbers, restriction lists, the organizer's grid, the frame's
// clock and tiling, and the command line of the built programs.
class TestCoreLogic : public QObject {
    Q_OBJECT
private slots:
    // What the address boxes may open, typed or pasted by a child or a hostile page.
    void addresses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("inWindow");     // a browser window opens it
        QTest::addColumn<bool>("inFullScreen"); // the full-screen window opens it
        QTest::newRow("web page") << "example.com/a b" << true << true;
        QTest::newRow("line breaks and tabs, as pasted") << "exam\nple.c\tom\r\n" << true << true;
        QTest::newRow("local file") << "file:///home/a.html" << true << true;
        QTest::newRow("start page") << "qrc:/start/start.html" << true << true;
        QTest::newRow("script in capitals, blanks around") << " JavaScript:1 " << false << false;
        QTest::newRow("NUL character") << QString::fromLatin1("a.com/\0x", 8) << false << false;
        QTest::newRow("data") << "data:text/html,<h1>hi" << true << false;
        QTest::newRow("program's resources") << "qrc:/icons/home.svg" << true << false;
        QTest::newRow("a megabyte of address") << "a.com/" + QString(1 << 20, 'a') << true << true;
        QTest::newRow("a megabyte of text") << QString(1 << 20, 'a') << false << false;
        QTest::newRow("three megabytes") << "a.com/" + QString(3 << 20, 'a') << false << false;
    }

    void addresses()
    {
        QFETCH(QString, typed);
        const QString address = AddressRules::cleaned(typed);
        QTEST(AddressRules::refusal(address, false).isEmpty(), "inWindow");
        QTEST(AddressRules::refusal(address, true).isEmpty(), "inFullScreen");
    }

    // The forms beyond plain decimal numbers, which tst_fuzz checks against a reference.
    void leadingNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("only"); // the whole text is that number
        QTest::newRow("hexadecimal") << "&hFF" << 255.0 << true;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0 << false;
        QTest::newRow("ampersand alone") << "&H" << 0.0 << false;
        QTest::newRow("non-ASCII digits") << QString::fromUtf8("\xd9\xa3") << 0.0 << false;
    }

    void leadingNumbers()
    {
        QFETCH(QString, text);
        QTEST(leadingNumber(text), "value");
        QTEST(isNumberOnly(text), "only");
    }

    // Empty, overlapping and repeated entries: the comparison with a plain search below.
    void restrictionMatches_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Positions>("expected");
        QTest::newRow("Unicode case folding")
            << QStringList{"σίσυφος"} << "Ο ΣΊΣΥΦΟΣ" << Positions{0};
        // Look-alike spellings of a listed word.
        QTest::newRow("fullwidth") << QStringList{"casino"} << "ＣＡＳＩＮＯ Night" << Positions{0};
        QTest::newRow("zero-width characters, soft hyphen, direction marks")
            << QStringList{"casino"} << "c\u200Ba\u200Cs\u00ADi\u2066n\u200D\u200Eo"
            << Positions{0};
        QTest::newRow("Turkish dotted I") << QStringList{"casino"} << "CAS\u0130NO" << Positions{0};
        QTest::newRow("Turkish dotless i")
            << QStringList{"casino"} << "cas\u0131no" << Positions{0};
        QTest::newRow("sharp s is ss") << QStringList{"strasse"} << "Stra\u00DFe" << Positions{0};
        QTest::newRow("combining accent")
            << QStringList{"casino"} << "casi\u0301no" << Positions{0};
        QTest::newRow("precomposed accent")
            << QStringList{"casino"} << "cas\u00EDno" << Positions{0};
        QTest::newRow("entry of invisible characters only")
            << QStringList{"\u200B"} << "News" << Positions{0};
    }

    void restrictionMatches()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, title);
        QTEST(RestrictionList(entries).matches(title), "expected");
    }

    // The matcher against a plain search, on words and titles of two letters and NUL, where
    // entries overlap, begin one another and share their ends the most.
    void restrictionMatchesAgreeWithPlainSearch()
    {
        QRandomGenerator random(1998);
        const auto text = [&random](int longest) {
            QString letters;
            for (int i = random.bounded(longest + 1); i > 0; --i)
                letters += QChar(u"\0ab"[random.bounded(3)]);
            return letters;
        };
        for (int round = 0; round < 2000; ++round) {
            QStringList entries;
            for (int i = random.bounded(1, 8); i > 0; --i)
                entries.append(text(7));
            const QString title = text(16);
            QList<qsizetype> expected;
            for (qsizetype i = 0; i < entries.size(); ++i) {
                if (!title.isEmpty() && title.contains(entries[i]))
                    expected.append(i);
            }
            QCOMPARE(RestrictionList(entries).matches(title), expected);
        }
    }

    // Against Qt's proleptic Gregorian calendar, where 1 BC, the grid's year 0, is year -1.
    void everyMonthMatchesTheCalendar()
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
    }

    // What follows the first " :: " and one more character; without one, from the fifth. The
    // organizer's favourite row opens an entry of the usual form.
    void favouriteAddresses()
    {
        QCOMPARE(favouriteAddress("x :: yz  ::  v"), "z  ::  v");
        QCOMPARE(favouriteAddress("abcdefg"), "efg");
        QCOMPARE(favouriteAddress("abc"), "");
    }

    void namedListsMerge_data()
    {
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("current");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("merged");
        using L = QStringList;
        QTest::newRow("added elsewhere is kept") << L{"A"} << L{"A"} << L{"A", "B"} << L{"A", "B"};
        QTest::newRow("removed here goes, what was added elsewhere stays")
            << L{"A", "B"} << L{"A"} << L{"A", "B", "C"} << L{"A", "C"};
        QTest::newRow("removed elsewhere stays removed")
            << L{"A", "B"} << L{"A", "B"} << L{"A"} << L{"A"};
        QTest::newRow("duplicates are counted")
            << L{"A", "A"} << L{"A", "A", "A"} << L{"A", "B", "A"} << L{"A", "A", "A", "B"};
        QTest::newRow("one of two removed") << L{"A", "A"} << L{"A"} << L{"A", "A"} << L{"A"};
    }

    // The stored entries with this window's additions and removals made on them.
    void namedListsMerge()
    {
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, current);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, merged);
        QStringList result = mergedNamedList(loaded, current, stored);
        result.sort();
        QCOMPARE(result, merged);
    }

    void agendasMerge_data()
    {
        QTest::addColumn<QString>("loaded"); // "date=text;..." from position 0
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("merged");
        QTest::newRow("a date added elsewhere is kept") << "1/1/2000=a"
                                                        << "1/1/2000=a"
                                                        << "2/2/2000=b;1/1/2000=a"
                                                        << "1/1/2000=a;2/2/2000=b";
        QTest::newRow("a date changed here keeps this window's text") << "1/1/2000=a"
                                                                      << "1/1/2000=mine"
                                                                      << "1/1/2000=theirs"
                                                                      << "1/1/2000=mine";
        QTest::newRow("a date not changed here takes the saved text") << "1/1/2000=a"
                                                                      << "1/1/2000=a"
                                                                      << "1/1/2000=theirs"
                                                                      << "1/1/2000=theirs";
        QTest::newRow("a day only looked at here takes the saved text") << ""
                                                                        << "1/1/2000="
                                                                        << "1/1/2000=theirs"
                                                                        << "1/1/2000=theirs";
        QTest::newRow("cleared here: what was saved since is kept") << ""
                                                                    << "3/3/2000=new"
                                                                    << "2/2/2000=b"
                                                                    << "3/3/2000=new;2/2/2000=b";
        QTest::newRow("cleared elsewhere: a date not changed here is empty") << "1/1/2000=a"
                                                                             << "1/1/2000=a"
                                                                             << ""
                                                                             << "1/1/2000=";
        QTest::newRow("a saved entry without text adds nothing") << ""
                                                                 << ""
                                                                 << "="
                                                                 << "";
        QTest::newRow("the first of a date's saved entries counts")
            << ""
            << ""
            << "1/1/2000=first;1/1/2000=second"
            << "1/1/2000=first";
    }

    // Per date, this window's change wins; other dates keep what is saved.
    void agendasMerge()
    {
        const auto agenda = [](const QString& text) {
            Agenda made;
            for (const QString& entry : text.split(';', Qt::SkipEmptyParts)) {
                made.dates.append(entry.section('=', 0, 0));
                made.texts.append(entry.section('=', 1));
            }
            return made;
        };
        QFETCH(QString, loaded);
        QFETCH(QString, current);
        QFETCH(QString, stored);
        QFETCH(QString, merged);
        const Agenda result = mergedAgenda(agenda(loaded), agenda(current), agenda(stored));
        QStringList entries;
        for (qsizetype i = 0; i < result.dates.size(); ++i)
            entries.append(result.dates[i] + '=' + result.texts[i]);
        QCOMPARE(entries.join(';'), merged);
    }

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

    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("address");
        QTest::newRow("--help") << QStringList{"--help"} << Request::Help << "";
        QTest::newRow("-v") << QStringList{"-v"} << Request::Version << "";
        QTest::newRow("unknown option kept")
            << QStringList{"-x", "http://a/"} << Request::Run << "-x http://a/";
        QTest::newRow("dashes after --")
            << QStringList{"--", "--help", "-v"} << Request::Run << "--help -v";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Request, request);
        QCOMPARE(CommandLine::request(arguments), request);
        if (request == Request::Run) // the address only matters to a program that runs
            QTEST(CommandLine::address(arguments), "address");
    }

    // The built programs, without a display: the two options answer, anything else starts
    // the program, which then finds no display.
    void programs_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>(
            "output"); // a part of what it prints; empty when it prints nothing
        const QString version = BRIVOLA_VERSION;
        QTest::newRow("version") << BRIVOLA_PROGRAM << QStringList{"--version"} << 0
                                 << "brivola " + version + "\nQt WebEngine ";
        QTest::newRow("help") << BRIVOLA_PROGRAM << QStringList{"-h"} << 0 << "Usage: ";
        QTest::newRow("address") << BRIVOLA_PROGRAM << QStringList{"-x"} << 1 << "";
        QTest::newRow("admin tool") << BRIVOLA_RESTRICTIONS_TOOL << QStringList{"--version"} << 0
                                    << "brivola-restrictions " + version + "\n";
        QTest::newRow("admin tool's help names the user's list")
            << BRIVOLA_RESTRICTIONS_TOOL << QStringList{"--help"} << 0
            << qEnvironmentVariable("XDG_CONFIG_HOME") + "/brivola/Brivola.ini";
    }

    void programs()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(display);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QTEST(process.exitCode(), "status");
        const QString printed = QString::fromLocal8Bit(process.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output),
                 qPrintable(printed));
    }
};

BRIVOLA_TEST_MAIN(TestCoreLogic)
#include "tst_core_logic.moc"
