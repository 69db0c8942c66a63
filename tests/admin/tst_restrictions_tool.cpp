#include "admin/restrictions_tool.h"
#include "core/passphrase.h"
#include "core/restriction_list.h"
#include "platform/real/machine_settings_files.h"
#include "platform/real/qt_settings_store.h"
#include "support/files.h"
#include "support/forked_child.h"
#include "support/test_main.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/stat.h>

class TestRestrictionsTool : public QObject {
    Q_OBJECT
private slots:
    // The installed program keeps the user's list in the test's folder.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_dir->path().toUtf8());
    }

    // A damaged list fails closed: the missing keys become one empty entry, which refuses all.
    void damagedListFailsClosed_data()
    {
        QTest::addColumn<QByteArray>("section"); // the list's section in the file
        QTest::addColumn<QString>("listed");
        QTest::newRow("several missing held as one")
            << QByteArray("Number=6\n0=a\n2=c\n5=f\n") << "a\n\nc\nf\n";
        QTest::newRow("keys that are no counters")
            << QByteArray("Number=2\n00=x\n+1=y\nNote=z\n0=a\n") << "a\n\n";
        // Reading key by key up to these counts would not end within the test's time limit.
        QTest::newRow("huge count") << QByteArray("Number=1e9\n0=a\n123456789=z\n") << "a\n\nz\n";
    }

    void damagedListFailsClosed()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, listed);
        QVERIFY(writeFile(m_dir->filePath("Brivola.ini"), "[Restrictions]\n" + section));
        QCOMPARE(run({"list"}), 0);
        QCOMPARE(m_out, listed);
    }

    void editsKeepTheLayout()
    {
        for (const char* word : {"one", "two", "three"})
            QCOMPARE(run({"add", word}), 0);
        QCOMPARE(run({"remove", "two"}), 0);
        QCOMPARE(fileText(), "[Restrictions]\nNumber=2\n0=one\n1=three\n");
        QCOMPARE(run({"add", "ONE"}), 0);
        QCOMPARE(m_out, "\"one\" is already in the list\n");
        QCOMPARE(run({"clear"}), 0);
        QCOMPARE(fileText(), "[Restrictions]\nNumber=0\n");

        // Removing takes every copy, letter case ignored; the list's keys are rewritten, others
        // kept.
        QVERIFY(writeFile(
            m_dir->filePath("Brivola.ini"),
            "[Other]\nHome=x\n\n[Restrictions]\nNumber=4\n0=Casino\n1=dice\n3=CASINO\nNote=z\n"));
        QCOMPARE(run({"remove", "casino"}), 0);
        QCOMPARE(fileText(), "[Other]\nHome=x\n\n[Restrictions]\nNumber=2\n0=dice\n1=\nNote=z\n");
        // The empty entry, which refuses every page, is removed by its name: the empty word.
        QCOMPARE(run({"remove", ""}), 0);
        QCOMPARE(fileText(), "[Other]\nHome=x\n\n[Restrictions]\nNumber=1\n0=dice\nNote=z\n");
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList() << 2 << "no command given";
        QTest::newRow("unknown") << QStringList{"delete"} << 2 << "unknown command 'delete'";
        QTest::newRow("add two words") << QStringList{"add", "bad", "word"} << 2 << "in quotes";
        QTest::newRow("blank word")
            << QStringList{"add", "  "} << 2 << "an empty word would refuse";
        QTest::newRow("not in the list") << QStringList{"remove", "poker"} << 1
                                         << "brivola-restrictions: \"poker\" is not in the list\n";
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QCOMPARE(run({"add", "casino"}), 0);
        QCOMPARE(run(arguments), status);
        QVERIFY2(m_err.contains(message), qPrintable(m_err));
        QCOMPARE(m_err.contains("--help"), status == 2); // wrong usage points to the help
        QCOMPARE(m_out, "");
        QCOMPARE(fileText(), "[Restrictions]\nNumber=1\n0=casino\n");
    }

    // The machine's list is its own, and only an administrator saves it. Written under a
    // umask that closes everything, every user can read it; a folder an earlier umask closed
    // is opened again.
    void systemWideList()
    {
        const QString system = m_dir->filePath("system");
        QVERIFY(QDir().mkpath(system));
        QVERIFY(QFile::setPermissions(system, QFileDevice::Permissions(0x7000)));
        QCOMPARE(run({"add", "dice"}), 0);
        const mode_t umaskBefore = ::umask(077);
        const int added = run({"--system", "add", "casino"});
        ::umask(umaskBefore);
        QCOMPARE(added, 0);
        QCOMPARE(int(QFileInfo(system).permissions() & 0x0777), 0x0755);
        QCOMPARE(int(QFileInfo(system + "/Brivola.ini").permissions() & 0x0777), 0x0644);
        QCOMPARE(run({"--system", "list"}), 0);
        QCOMPARE(m_out, "casino\n");
        QCOMPARE(fileText(), "[Restrictions]\nNumber=1\n0=dice\n");
        // Others may read the folders but not write the machine's.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7755)));
        QVERIFY(QFile::setPermissions(system, QFileDevice::Permissions(0x7005)));
        const auto result = ForkedChild::run(ForkedChild::Setting::Unprivileged, [&] {
            return QString::number(run({"--system", "add", "poker"})) + ' ' + m_err;
        });
        if (!result.skipped.isEmpty())
            QSKIP(qPrintable(result.skipped));
        QVERIFY2(result.output.startsWith("1 ") && result.output.contains("Permission denied") &&
                     result.output.contains("administrator"),
                 qPrintable(result.output));
        QCOMPARE(run({"--system", "list"}), 0);
        QCOMPARE(m_out, "casino\n");
    }

    // The machine's list as the program reads it fails closed: what exists but cannot be read
    // makes "list" fail with the reason. Read by an unprivileged user, as a child would.
    void machineListFailsClosed_data()
    {
        QTest::addColumn<QByteArray>("file"); // the machine's Brivola.ini; none when empty
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QByteArray>("dropIn"); // restrictions.d/school.list; none when empty
        QTest::addColumn<int>("dropInMode");
        QTest::addColumn<QString>("output"); // the status, then what it printed or a part of it
        const QByteArray list = "[Restrictions]\nNumber=1\n0=casino\n";
        const auto row = [](const char* name, const QByteArray& file, int fileMode,
                            const QByteArray& dropIn, int dropInMode, const QString& output) {
            QTest::newRow(name) << file << fileMode << dropIn << dropInMode << output;
        };
        row("folder missing", "", 0, "", 0, "0 ");
        // A drop-in list holds one entry a line, in UTF-8; blanks and comments are left out.
        row("readable, with a drop-in list", list, 0644,
            "\ufeffdice\r\n\n  bad word \n# gambling sites\n\u00e9cole\n", 0644,
            "0 casino\ndice\nbad word\n\u00e9cole\n");
        row("drop-in list alone", "", 0, "dice", 0644, "0 dice\n");
        row("file unreadable", list, 0600, "", 0, "1 Permission denied");
        row("file damaged", "[Restrictions\nNumber=1\n0=casino\n", 0644, "", 0, "1 is damaged");
        row("drop-in unreadable", list, 0644, "dice", 0600, "1 Permission denied");
        row("drop-in not UTF-8", list, 0644, "d\xff", 0644, "1 is not UTF-8 text");
    }

    void machineListFailsClosed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, dropIn);
        QFETCH(QString, output);
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7755)));
        const QString system = m_dir->filePath("system");
        const auto place = [](const QString& path, const QByteArray& bytes, int mode) {
            return bytes.isEmpty() ||
                   (QDir().mkpath(QFileInfo(path).path()) && writeFile(path, bytes) &&
                    ::chmod(qPrintable(path), mode_t(mode)) == 0);
        };
        QFETCH(int, fileMode);
        QFETCH(int, dropInMode);
        QVERIFY(place(system + "/Brivola.ini", file, fileMode));
        QVERIFY(place(system + "/restrictions.d/school.list", dropIn, dropInMode));
        if (!dropIn.isEmpty()) // a file of another kind beside a list is none
            QVERIFY(writeFile(system + "/restrictions.d/notes.txt", "not a list"));
        const auto result = ForkedChild::run(ForkedChild::Setting::Unprivileged, [&] {
            const int status = run({"--system", "list"});
            return QString::number(status) + ' ' + (status == 0 ? m_out : m_err);
        });
        if (!result.skipped.isEmpty())
            QSKIP(qPrintable(result.skipped));
        const bool listed = output.startsWith('0');
        QVERIFY2(listed ? result.output == output
                        : result.output.startsWith("1 ") && result.output.contains(output.mid(2)) &&
                              result.output.contains("refuses every page"),
                 qPrintable(result.output));
    }

    // The help names the user's list and the machine's, whose folder is built in: the
    // environment names none.
    void helpNamesTheLists()
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_DIRS", m_dir->filePath("nowhere"));
        tool.setProcessEnvironment(environment);
        tool.start(BRIVOLA_RESTRICTIONS_TOOL, {"--help"});
        QVERIFY(tool.waitForFinished(30000));
        const QString help = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(help.contains(m_dir->filePath("brivola/Brivola.ini")) &&
                     help.contains(MachineSettingsFiles::builtInFolder() + "/Brivola.ini") &&
                     !help.contains("nowhere"),
                 qPrintable(help));
        QVERIFY(MachineSettingsFiles::builtInFolder().endsWith("/xdg/brivola"));
    }

    void passphrase_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verifies"); // the passphrase stored; none when empty
        const auto row = [](const char* name, const char* arguments, const QStringList& input,
                            int status, const char* verifies) {
            QTest::newRow(name) << QString(arguments).split(' ') << input << status
                                << QString(verifies);
        };
        row("set", "--system passphrase", {"tree house", "tree house"}, 0, "tree house");
        row("typed differently", "--system passphrase", {"tree house", "treehouse"}, 1, "old one");
        row("empty", "--system passphrase", {"", ""}, 1, "old one");
        row("input ends", "--system passphrase", {"tree house"}, 1, "old one");
        row("removed", "--system passphrase --remove", {}, 0, "");
        row("not the user's", "passphrase", {"a", "a"}, 2, "old one");
    }

    void passphrase()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, verifies);
        m_input = QStringList{"old one", "old one"};
        QCOMPARE(run({"--system", "passphrase"}), 0);
        QFETCH(QStringList, input);
        m_input = input;
        QTEST(run(arguments), "status");
        const QString hash = machine().passphraseHash;
        if (verifies.isEmpty())
            QCOMPARE(hash, QString());
        else
            QCOMPARE(Passphrase::check(hash, verifies), Passphrase::Verdict::Right);
    }

    void startFullScreen()
    {
        QCOMPARE(machine().startFullScreen, false);
        QCOMPARE(run({"--system", "start-full-screen", "on"}), 0);
        QCOMPARE(machine().startFullScreen, true);
        QCOMPARE(run({"--system", "start-full-screen", "yes"}), 2);
        QCOMPARE(run({"start-full-screen", "off"}), 2);
        QCOMPARE(machine().startFullScreen, true);
        QCOMPARE(run({"--system", "start-full-screen", "off"}), 0);
        QCOMPARE(machine().startFullScreen, false);
        QCOMPARE(machine().problem, QString());
        // Written by hand: letter case does not matter; neither on nor off fails closed.
        for (const char* start : {"ON", "yes"}) {
            QVERIFY(writeFile(m_dir->filePath("system/Brivola.ini"),
                              QByteArray("[Full Screen]\nStart=") + start + '\n'));
            QCOMPARE(machine().startFullScreen, qstrcmp(start, "ON") == 0);
        }
        QVERIFY2(machine().problem.contains("neither on nor off"), qPrintable(machine().problem));
    }

    // Programs adding at the same time take turns: none loses another's word.
    void concurrentAddsKeepEveryWord()
    {
        QStringList words;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < 6; ++i) {
            words.append(QStringLiteral("word%1").arg(i));
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(BRIVOLA_RESTRICTIONS_TOOL, {"add", words.last()});
        }
        for (const auto& process : processes)
            QVERIFY(process->waitForFinished(60000) && process->exitCode() == 0);
        QtSettingsStore store(m_dir->filePath(QStringLiteral("brivola")));
        QStringList listed = Restrictions::read(store);
        listed.sort();
        QCOMPARE(listed, words);
    }

private:
    // On real files: the user's in the test's folder, the machine's in "system" below it.
    int run(const QStringList& arguments)
    {
        m_out = m_err = QString();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        QtSettingsStore store(m_dir->path());
        QtSettingsStore system(m_dir->filePath(QStringLiteral("system")),
                               QtSettingsStore::Readers::Everyone);
        const MachineSettingsFiles machine(m_dir->filePath(QStringLiteral("system")));
        const auto readLine = [this](const QString&) -> std::optional<QString> {
            if (m_input.isEmpty())
                return std::nullopt;
            return m_input.takeFirst();
        };
        return RestrictionsTool::run(arguments, {store, system, machine, readLine}, out, err);
    }
    MachineSettings machine() const
    {
        return MachineSettingsFiles(m_dir->filePath(QStringLiteral("system"))).read();
    }
    QByteArray fileText() const { return fileBytes(m_dir->filePath("Brivola.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_input; // the lines a passphrase is read from
    QString m_out;
    QString m_err;
};

BRIVOLA_TEST_MAIN(TestRestrictionsTool)
#include "tst_restrictions_tool.moc"
