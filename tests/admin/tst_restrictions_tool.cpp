#include "admin/restrictions_tool.h"
#include "browsing/restriction_list.h"
#include "platform/qt_settings_store.h"
#include "support/test_main.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

using namespace Restrictions;

struct Result {
    int status;
    QString out;
    QString err;
};

} // namespace

class TestRestrictionsTool : public QObject {
    Q_OBJECT
private slots:
    void init();
    void addListRemoveClear();
    void keepsTheLayout();
    void theProgramReadsWhatItWrote_data();
    void theProgramReadsWhatItWrote();
    void addingAgainChangesNothing();
    void removeIgnoresLetterCase();
    void damagedListIsWrittenAsRead();
    void otherKeysOfTheSectionAreKept();
    void wrongUsage_data();
    void wrongUsage();
    void wordNotInTheListFails();
    void help();
    void unsavableStoreFails();
    void runsAsAProgram();

private:
    Result run(const QStringList& arguments);
    QString iniFile() const { return m_dir->filePath(QStringLiteral("Brivola.ini")); }
    // The list's values as a separate reader of the file sees them, key by key.
    QMap<QString, QString> stored() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRestrictionsTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Result TestRestrictionsTool::run(const QStringList& arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QtSettingsStore store(m_dir->path());
    const int status = RestrictionsTool::run(arguments, store, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

QMap<QString, QString> TestRestrictionsTool::stored() const
{
    QSettings file(iniFile(), QSettings::IniFormat);
    file.beginGroup(kSection);
    QMap<QString, QString> values;
    for (const QString& key : file.childKeys())
        values.insert(key, file.value(key).toString());
    return values;
}

void TestRestrictionsTool::addListRemoveClear()
{
    QCOMPARE(run({"list"}).out, "");
    QCOMPARE(run({"add", "casino"}).status, 0);
    QCOMPARE(run({"add", "bad word"}).status, 0);
    Result listed = run({"list"});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out, "casino\nbad word\n");
    QCOMPARE(listed.err, "");

    QCOMPARE(run({"remove", "casino"}).status, 0);
    QCOMPARE(run({"list"}).out, "bad word\n");
    QCOMPARE(run({"clear"}).status, 0);
    QCOMPARE(run({"list"}).out, "");
    QCOMPARE(stored(), (QMap<QString, QString>{{"Number", "0"}}));
}

void TestRestrictionsTool::keepsTheLayout()
{
    run({"add", "one"});
    run({"add", "two"});
    run({"add", "three"});
    run({"remove", "two"});
    QCOMPARE(stored(), (QMap<QString, QString>{{"Number", "2"}, {"0", "one"}, {"1", "three"}}));
}

void TestRestrictionsTool::theProgramReadsWhatItWrote_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("plain") << "casino";
    QTest::newRow("phrase") << "bad word";
    QTest::newRow("comma") << "a, b";
    QTest::newRow("equals") << "x=y";
    QTest::newRow("semicolon") << ";not a comment";
    QTest::newRow("hash") << "#tag";
    QTest::newRow("section") << "[Restrictions]";
    QTest::newRow("blanks around") << "  padded  ";
    QTest::newRow("quote and backslash") << "say \"no\" \\ here";
    QTest::newRow("accents") << "Ünïcödé";
    QTest::newRow("other script") << "σίσυφος";
}

void TestRestrictionsTool::theProgramReadsWhatItWrote()
{
    QFETCH(QString, word);
    QCOMPARE(run({"add", "first"}).status, 0);
    QCOMPARE(run({"add", word}).status, 0);
    QtSettingsStore programStore(m_dir->path());
    const QStringList entries = read(programStore);
    QCOMPARE(entries, (QStringList{"first", word}));
    QCOMPARE(RestrictionList(entries).matches(QStringLiteral("Page: ") + word.toUpper()).size(), 1);
    QCOMPARE(run({"list"}).out, QStringLiteral("first\n") + word + QLatin1Char('\n'));
}

void TestRestrictionsTool::addingAgainChangesNothing()
{
    run({"add", "Casino"});
    const Result again = run({"add", "CASINO"});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.out, "\"Casino\" is already in the list\n");
    QCOMPARE(run({"list"}).out, "Casino\n");
}

void TestRestrictionsTool::removeIgnoresLetterCase()
{
    {
        // Written by hand: the tool itself never adds a word twice.
        QtSettingsStore store(m_dir->path());
        store.write(kApplication, kSection, kCountKey, QStringLiteral("3"));
        store.write(kApplication, kSection, entryKey(0), QStringLiteral("Casino"));
        store.write(kApplication, kSection, entryKey(1), QStringLiteral("dice"));
        store.write(kApplication, kSection, entryKey(2), QStringLiteral("CASINO"));
    }
    QCOMPARE(run({"remove", "casino"}).status, 0);
    QCOMPARE(run({"list"}).out, "dice\n");
}

void TestRestrictionsTool::damagedListIsWrittenAsRead()
{
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApplication, kSection, kCountKey, QStringLiteral("1e9"));
        store.write(kApplication, kSection, QStringLiteral("0"), QStringLiteral("casino"));
        store.write(kApplication, kSection, QStringLiteral("7"), QStringLiteral("dice"));
    }
    QCOMPARE(run({"list"}).out, "casino\n\ndice\n");
    QCOMPARE(run({"add", "poker"}).status, 0);
    QCOMPARE(stored(),
             (QMap<QString, QString>{
                 {"Number", "4"}, {"0", "casino"}, {"1", ""}, {"2", "dice"}, {"3", "poker"}}));
    // The empty entry, which refuses every page, is removed by its name: the empty word.
    QCOMPARE(run({"remove", ""}).status, 0);
    QCOMPARE(run({"list"}).out, "casino\ndice\npoker\n");
}

void TestRestrictionsTool::otherKeysOfTheSectionAreKept()
{
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApplication, kSection, QStringLiteral("Note"), QStringLiteral("by hand"));
        store.write(kApplication, QStringLiteral("Internet Settings"), QStringLiteral("Home Page"),
                    QStringLiteral("https://example.com/"));
    }
    run({"add", "casino"});
    run({"clear"});
    QCOMPARE(stored(), (QMap<QString, QString>{{"Note", "by hand"}, {"Number", "0"}}));
    QSettings file(iniFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Internet Settings/Home Page").toString(), "https://example.com/");
}

void TestRestrictionsTool::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList() << "no command given";
    QTest::newRow("unknown") << QStringList{"delete"} << "unknown command 'delete'";
    QTest::newRow("add without word") << QStringList{"add"} << "'add' takes one word";
    QTest::newRow("add two words") << QStringList{"add", "bad", "word"} << "put a phrase in quotes";
    QTest::newRow("remove without word") << QStringList{"remove"} << "'remove' takes one word";
    QTest::newRow("list with word") << QStringList{"list", "x"} << "'list' takes no word";
    QTest::newRow("clear with word") << QStringList{"clear", "x"} << "'clear' takes no word";
    QTest::newRow("empty word") << QStringList{"add", ""}
                                << "an empty word would refuse every page";
    QTest::newRow("blank word") << QStringList{"add", "  "} << "an empty word";
}

void TestRestrictionsTool::wrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    run({"add", "casino"});
    const Result result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.err.contains("--help"));
    QCOMPARE(result.out, "");
    QCOMPARE(run({"list"}).out, "casino\n");
}

void TestRestrictionsTool::wordNotInTheListFails()
{
    run({"add", "casino"});
    const Result result = run({"remove", "poker"});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, "brivola-restrictions: \"poker\" is not in the list\n");
    QCOMPARE(run({"list"}).out, "casino\n");
}

void TestRestrictionsTool::help()
{
    for (const char* option : {"--help", "-h"}) {
        const Result result = run({QLatin1String(option)});
        QCOMPARE(result.status, 0);
        QVERIFY(result.out.startsWith("Usage: brivola-restrictions COMMAND"));
        QVERIFY(result.out.contains(iniFile()));
        QCOMPARE(result.err, "");
    }
    QVERIFY(!QFile::exists(iniFile()));
}

void TestRestrictionsTool::unsavableStoreFails()
{
    // A store below a plain file cannot be saved, whoever runs the test.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QtSettingsStore store(blocker);
    QCOMPARE(RestrictionsTool::run({"add", "casino"}, store, outStream, errStream), 1);
    errStream.flush();
    QVERIFY2(err.contains("could not save the list"), qPrintable(err));
}

void TestRestrictionsTool::runsAsAProgram()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->path());
    const auto tool = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(BRIVOLA_RESTRICTIONS_TOOL), arguments);
        process.waitForFinished(30000);
        return std::pair(process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()));
    };
    QCOMPARE(tool({"add", "Casino night"}).first, 0);
    QCOMPARE(tool({"add", "dice"}).first, 0);
    QCOMPARE(tool({"list"}), std::pair(0, QStringLiteral("Casino night\ndice\n")));
    QCOMPARE(tool({"remove", "poker"}).first, 1);
    QCOMPARE(tool({"frobnicate"}).first, 2);

    QtSettingsStore userStore(m_dir->path() + QStringLiteral("/brivola"));
    QCOMPARE(read(userStore), (QStringList{"Casino night", "dice"}));
}

BRIVOLA_TEST_MAIN(TestRestrictionsTool)
#include "tst_restrictions_tool.moc"
