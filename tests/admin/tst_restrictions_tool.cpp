#include "admin/restrictions_tool.h"
#include "core/restriction_list.h"
#include "platform/real/machine_settings_files.h"
#include "platform/real/qt_settings_store.h"
#include "support/files.h"
#include "support/forked_child.h"
#include "support/test_main.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

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

    // The machine's list is its own, and only an administrator saves it.
    void systemWideList()
    {
        QCOMPARE(run({"add", "dice"}), 0);
        QCOMPARE(run({"--system", "add", "casino"}), 0);
        QCOMPARE(run({"--system", "list"}), 0);
        QCOMPARE(m_out, "casino\n");
        QCOMPARE(fileText(), "[Restrictions]\nNumber=1\n0=dice\n");
        QVERIFY(QFile::setPermissions(m_dir->filePath("system"),
                                      QFileDevice::Permissions(0x7005))); // rwx---r-x
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

    // Programs adding at the same time take turns: none loses another's word.
    void concurrentAddsKeepEveryWord()
    {
        QStringList words;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < 20; ++i) {
            words.append(QStringLiteral("word%1").arg(i, 2, 10, QLatin1Char('0')));
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->start(BRIVOLA_RESTRICTIONS_TOOL, {"add", words.last()});
        }
        for (const auto& process : processes)
            QVERIFY(process->waitForFinished(30000) && process->exitCode() == 0);
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
    QByteArray fileText() const { return fileBytes(m_dir->filePath("Brivola.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_input; // the lines a passphrase is read from
    QString m_out;
    QString m_err;
};

BRIVOLA_TEST_MAIN(TestRestrictionsTool)
#include "tst_restrictions_tool.moc"
