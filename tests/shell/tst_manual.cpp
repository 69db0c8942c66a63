#include "browsing/browser_window.h"
#include "shell/manual.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// The frame after F1, with the program in the given directory.
struct ManualFixture : FrameFixture {
    explicit ManualFixture(const QString& programDirectory)
    {
        fakes.programInfo->directory = programDirectory;
    }

    void pressF1()
    {
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
    }

    FakeBrowserControl* newest() const { return fakes.browsers->controls().last(); }
};

// The file holds the page and one more line end.
QByteArray manualFile()
{
    return Manual::text().toUtf8() + "\r\n";
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void path_data();
    void path();
    void pageStructure();
    void dividerColours();
    void sectionsAndAnchors();
    void frameHoldsTheManual();
    void f1WritesAndOpensTheManual();
    void twiceGivesTwoWindowsAndOneFile();
    void readOnlyProgramDirectoryFallsBackToUserData();
    void nowhereToWriteEndsQuietly();
};

void TestManual::path_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("path");
    const QChar back('\\');
    const QChar slash('/');
    QTest::newRow("C:\\Programs\\Web")
        << "C:\\Programs\\Web" << back << "C:\\Programs\\Web\\Manual.htm";
    QTest::newRow("drive root") << "C:\\" << back << "C:\\caching.htm";
    QTest::newRow("short directory") << "C:\\A" << back << "C:\\A\\Manual.htm";
    QTest::newRow("root") << "/" << slash << "/caching.htm";
    QTest::newRow("/opt") << "/opt" << slash << "/opt/Manual.htm";
    QTest::newRow("/usr/local/bin") << "/usr/local/bin" << slash << "/usr/local/bin/Manual.htm";
}

void TestManual::path()
{
    QFETCH(QString, directory);
    QFETCH(QChar, separator);
    QFETCH(QString, path);
    QCOMPARE(Manual::path(directory, separator), path);
}

void TestManual::pageStructure()
{
    const QString page = Manual::text();
    QVERIFY(page.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"));
    QVERIFY(page.contains("<HEAD>\r\n<TITLE>Brivola 2.0 Manual</TITLE>\r\n</HEAD>"));
    QVERIFY(page.contains(QRegularExpression(
        "<P ALIGN=\"CENTER\"><FONT SIZE=\"6\" COLOR=\"#0000FF\">Brivola 2.0</FONT></P>")));
    QVERIFY(page.contains("MDI Browsing System</BIG></BIG></P>\r\n<BR><BR>\r\n"));
    QVERIFY(page.endsWith("<BR><BR><BR><BR><BR>\r\n</BODY>\r\n</HTML>"));
    // Every line ends with carriage return and line feed, and nothing else.
    QCOMPARE(page.count('\n'), page.count("\r\n"));
    QCOMPARE(page.count('\r'), page.count("\r\n"));
}

void TestManual::dividerColours()
{
    const QString page = Manual::text();
    const QStringList colours = {"#0000FF", "#1900FF", "#3200FF", "#4B00FF", "#6400FF",
                                 "#7D00FF", "#9600FF", "#AF00FF", "#C800FF", "#E100FF"};
    QString cells;
    for (const QString& colour : colours) {
        cells +=
            QStringLiteral("<TD WIDTH=\"10%\" BGCOLOR=\"%1\"><FONT COLOR=\"%1\">.</FONT></TD>\r\n")
                .arg(colour);
    }
    const QString divider = "<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" "
                            "STYLE=\"font-size: 1px\">\r\n<TR>\r\n" +
                            cells + "</TR>\r\n</TABLE>\r\n";
    QCOMPARE(page.count(divider), 2);
    QCOMPARE(page.count("<TD "), 20);
    // The heading stands between the two dividers.
    const qsizetype first = page.indexOf(divider);
    const qsizetype heading = page.indexOf(">Brivola 2.0</FONT>");
    QVERIFY(first < heading && heading < page.indexOf(divider, first + 1));
}

void TestManual::sectionsAndAnchors()
{
    const QString page = Manual::text();
    const QStringList contents = {
        "1. Letter From the Author And Programmer", "2. Using the MDI Interface",
        "3. Using the Full Screen Interface", "4. Organizer/Favorites", "5. System Info"};
    const QStringList headings = {
        "1. Letter From the Author and Programmer", "2. Using the MDI Interface",
        "3. Using the Full Screen Interface", "4. Organizer/Favorites", "5. System Info"};
    QCOMPARE(page.count("<A NAME="), 5);
    QCOMPARE(page.count("<A HREF="), 5);
    qsizetype last = 0;
    for (int i = 0; i < 5; ++i) {
        const QString link =
            QStringLiteral("<A HREF=\"#%1\">%2</A><BR>").arg(i + 1).arg(contents[i]);
        QVERIFY2(page.contains(link), qPrintable(link));
        const QString anchor = QStringLiteral("<A NAME=\"%1\">").arg(i + 1);
        const qsizetype at = page.indexOf(anchor);
        QVERIFY(at > last);
        QVERIFY(page.indexOf(headings[i], at) > at);
        QVERIFY(page.indexOf(QStringLiteral("</A><BR>\r\n"), at) <
                page.indexOf(headings[i], at) + 100);
        last = at;
    }
    // A line break ends each of the first four paragraphs, and one more separates sections.
    QCOMPARE(page.count("\r\n<BR>\r\n<BR>\r\n<A NAME="), 4);
}

void TestManual::frameHoldsTheManual()
{
    FrameFixture f;
    QVERIFY(!f.frame.txtManual->isVisible());
    QCOMPARE(f.frame.txtManual->toPlainText(), QString(Manual::text()).replace("\r\n", "\n"));
}

void TestManual::f1WritesAndOpensTheManual()
{
    QTemporaryDir program;
    ManualFixture f(program.path());
    f.pressF1();
    const QString file = program.filePath("Manual.htm");
    QCOMPARE(contents(file), manualFile());
    QCOMPARE(f.children().size(), 2);
    QCOMPARE(qobject_cast<MiniBrowse*>(f.frame.activeChild())->WebBrowser1, f.newest());
    // No home page first, and "New Browser"'s count stays.
    QCOMPARE(f.newest()->calls, QStringList{"Navigate " + file});
    QCOMPARE(f.frame.WindowNums, 1);
}

void TestManual::twiceGivesTwoWindowsAndOneFile()
{
    QTemporaryDir program;
    ManualFixture f(program.path());
    f.frame.mnuManualItem->trigger();
    QFile(program.filePath("Manual.htm")).resize(0);
    f.frame.mnuManualItem->trigger();
    QCOMPARE(f.children().size(), 3);
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"Manual.htm"});
    QCOMPARE(contents(program.filePath("Manual.htm")), manualFile());
}

void TestManual::readOnlyProgramDirectoryFallsBackToUserData()
{
    // A directory that cannot be written to, even by root: it does not exist.
    ManualFixture f(QStringLiteral("/nonexistent/brivola/bin"));
    f.pressF1();
    const QString file = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Manual.htm");
    QCOMPARE(contents(file), manualFile());
    QCOMPARE(f.newest()->calls, QStringList{"Navigate " + file});
    QFile::remove(file);
}

void TestManual::nowhereToWriteEndsQuietly()
{
    QTemporaryDir home;
    QFile blocker(home.filePath("data"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the data directory would go
    blocker.close();
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());

    ManualFixture f(QStringLiteral("/nonexistent/brivola/bin"));
    f.pressF1();
    qputenv("XDG_DATA_HOME", saved);
    QCOMPARE(f.children().size(), 2); // the window stays, on no page
    QVERIFY(f.newest()->calls.isEmpty());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

BRIVOLA_TEST_MAIN(TestManual)
#include "tst_manual.moc"
