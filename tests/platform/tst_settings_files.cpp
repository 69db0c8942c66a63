#include "core/errors.h"
#include "platform/real/qt_settings_store.h"
#include "platform/text_file.h"
#include "support/files.h"
#include "support/forked_child.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

using ForkedChild::Setting;
using Pairs = QList<std::pair<QString, QString>>;

namespace {

const QString kApp = QStringLiteral("Orvane Organizer");
const QByteArray kOld = "[Data]\nNumber=1\n";
// Longer than the file size limit, shorter than a file's buffer: a text file fails only when
// its buffer goes to disk.
const QString kLong(2 * ForkedChild::kFileSizeLimit, QLatin1Char('n'));

// What the program read through QSettings: a list (unquoted commas) joined with ", ". QSettings
// keeps what it last wrote to a file in memory, so it reads a copy.
QString qsettingsText(const QString& path, const QString& key)
{
    static int copies = 0;
    const QString copy = path + QStringLiteral(".%1.ini").arg(++copies);
    QFile::copy(path, copy);
    const QVariant value = QSettings(copy, QSettings::IniFormat).value(key, QStringLiteral("-"));
    QFile::remove(copy);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

Pairs sorted(Pairs pairs)
{
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

} // namespace

// The settings files, in QSettings' format, and the text files the program saves.
class TestSettingsFiles : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void valuesComeBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("line breaks") << "first\nsecond\r\nthird\r";
        QTest::newRow("non-ASCII") << QString::fromUtf8(
            "Gr\xc3\xbc\xc3\x9f\x65 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80 \xc2\x85\x7f");
        QTest::newRow("surrounding blanks") << "  padded\t ";
        QTest::newRow("commas") << "Abe  ::  555-1234, ext. 2";
        QTest::newRow("looks like a variant") << "@Variant(\\0\\0\\0\\x7f)";
        QTest::newRow("quotes and backslashes") << "say \"hi\" C:\\Programs\\Web\\";
        QTest::newRow("controls before hex digits") << QString("\001Fa\0330\t9");
        QTest::newRow("NUL before digits") << QString("a") + QChar(0) + "12";
        QTest::newRow("comment signs and equals") << "#tag ;note [Data] a=b";
        QTest::newRow("half a surrogate pair") << QString(QChar(0xD83D)) + "x";
    }

    // Through this store and through QSettings, both ways.
    void valuesComeBackExactly()
    {
        QFETCH(QString, value);
        QtSettingsStore(m_dir->path()).write(kApp, "Data", "0A", value);
        QCOMPARE(QtSettingsStore(m_dir->path()).read(kApp, "Data", "0A", "-"), value);
        QCOMPARE(qsettingsText(path(), "Data/0A"), value);

        QSettings(path(), QSettings::IniFormat).setValue("Data/1A", value);
        QCOMPARE(QtSettingsStore(m_dir->path()).read(kApp, "Data", "1A", "-"),
                 qsettingsText(path(), "Data/1A"));
    }

    void namesComeBackExactly_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* name, const QString& section, const QString& key) {
            QTest::newRow(name) << section << key;
        };
        row("blanks", "Internet Settings", " padded key ");
        row("signs", "a%20b[c];d=e", "%U0041\\#;=\"");
        row("slash in a key", "Data", "a/b");
        row("non-ASCII", QString::fromUtf8("\xc3\x9f\xe6\x97\xa5"), "\xf0\x9f\x98\x80");
        row("General", "General", "general");
        row("outside every section", "", "top");
    }

    void namesComeBackExactly()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QtSettingsStore(m_dir->path()).write(kApp, section, key, "mine");
        QSettings(path(), QSettings::IniFormat).setValue("Other/" + key, "theirs");
        QtSettingsStore reopened(m_dir->path());
        QCOMPARE(reopened.keyValues(kApp, section), (Pairs{{key, "mine"}}));
        QCOMPARE(reopened.read(kApp, "Other", key, "-"), "theirs");
        QCOMPARE(qsettingsText(path(), section.isEmpty() ? key : section + '/' + key), "mine");
    }

    void readsFilesAsQSettingsDid_data()
    {
        QTest::addColumn<QByteArray>("spelled");
        for (const char* spelled :
             {"a,b", " a , \"b \" ,c ", "\"a\"b \" c\"", "\\x41\\x4a1\\101x\\q\\", "\\\"", "a \\t ",
              "@@x", "@ByteArray(abc)", "@String(a\\0b)", "value ; comment", "\"a;b\";c", "  \t",
              "x=y", "a \\\n"})
            QTest::newRow(spelled) << QByteArray(spelled);
    }

    void readsFilesAsQSettingsDid()
    {
        QFETCH(QByteArray, spelled);
        writeFile(path(), "[Data]\nkey=" + spelled + "\n");
        QCOMPARE(QtSettingsStore(m_dir->path()).read(kApp, "Data", "key", "-"),
                 qsettingsText(path(), "Data/key"));
    }

    void namesIgnoreCase()
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApp, "Data", "Number", "2");
        store.write(kApp, "DATA", "number", "3");
        store.write(kApp, QString::fromUtf8("\xce\xa3\xce\x8a\xce\xa3"), "\u212A", "k");
        QCOMPARE(store.read(kApp, "data", "NUMBER", "-"), "3");
        QCOMPARE(store.read(kApp, QString::fromUtf8("\xcf\x83\xce\xaf\xcf\x82"), "k", "-"), "k");
        // Spelled as first written.
        QCOMPARE(QtSettingsStore(m_dir->path()).keyValues(kApp, "dAtA"), (Pairs{{"Number", "3"}}));
    }

    void damagedFileIsCopiedOnceBeforeWriting_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("damage"); // empty for a sound file
        QTest::newRow("invalid UTF-8")
            << QByteArray("[Phone]\nNumber=1\n0=Ab\xff\n") << "line 3 is not valid UTF-8";
        QTest::newRow("quote that swallowed later sections")
            << QByteArray("[Data]\n0=\"open\n[Phone]\nNumber=1\n0=Ab\n")
            << "line 2 has a quote that is not closed";
        QTest::newRow("two spellings of a section, the later value read")
            << QByteArray("[Phone]\nNumber=5\n0=Ab\n\n[phone]\nnumber=1\n")
            << "line 5 names section [phone], which is also spelled [Phone]";
        QTest::newRow("sound, with comments and blanks")
            << QByteArray("\xef\xbb\xbf; mine\n# mine\r\n[Phone]\r\n\r\n Number = 1 \n0=Ab\n")
            << "";
    }

    void damagedFileIsCopiedOnceBeforeWriting()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, damage);
        writeFile(path(), file);
        QtSettingsStore store(m_dir->path());
        QCOMPARE(store.read(kApp, "Phone", "Number", "-"), "1");
        if (!damage.isEmpty())
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(QRegularExpression::escape(damage) +
                                   "\\); a copy was kept as .*damaged-\\d{8}-\\d{6}$"));
        store.write(kApp, "Phone", "1", "Zed");
        store.write(kApp, "Phone", "Number", "2");

        const QStringList copies = QDir(m_dir->path()).entryList({"*.damaged-*"});
        QCOMPARE(copies.size(), damage.isEmpty() ? 0 : 1);
        if (!copies.isEmpty())
            QCOMPARE(fileBytes(m_dir->filePath(copies.first())), file);
        QtSettingsStore reopened(m_dir->path()); // the file is sound now: no further copy
        reopened.write(kApp, "Phone", "Number", "3");
        QCOMPARE(
            sorted(reopened.keyValues(kApp, "Phone")),
            (Pairs{{"0", store.read(kApp, "Phone", "0", "-")}, {"1", "Zed"}, {"Number", "3"}}));
        QCOMPARE(QDir(m_dir->path()).entryList({"*.damaged-*"}), copies);
    }

    void changesByAnotherProgramAreSeen()
    {
        QtSettingsStore reader(m_dir->path());
        QCOMPARE(reader.read("Brivola", "Restrictions", "Number", "-1"), "-1");
        QtSettingsStore(m_dir->path()).write("Brivola", "Restrictions", "Number", "1");
        QTRY_COMPARE_WITH_TIMEOUT(reader.read("Brivola", "Restrictions", "Number", "-1"), "1",
                                  2000);
    }

    void failedSavesKeepTheFile_data()
    {
        QTest::addColumn<bool>("textFile"); // a QuickNote's text file, or else a settings file
        QTest::addColumn<Setting>("setting");
        QTest::addColumn<mode_t>("folderMode"); // for the unprivileged child
        QTest::addColumn<QString>("outcome");   // what was raised, and what the file then holds
        const auto row = [](const char* name, bool textFile, Setting setting, mode_t folderMode,
                            const char* outcome) {
            QTest::newRow(name) << textFile << setting << folderMode << QString(outcome);
        };
        row("settings, file size limit", false, Setting::FileSizeLimit, 0,
            "Could not save FILE: File too large | kept, reads 1");
        row("settings, full disk", false, Setting::SmallDisk, 0,
            "Could not save FILE: No space left on device | kept, reads 1");
        row("text, file size limit", true, Setting::FileSizeLimit, 0, "File too large | kept");
        row("text, full disk", true, Setting::SmallDisk, 0, "No space left on device | kept");
        row("writable text file in a read-only folder is saved in place", true,
            Setting::Unprivileged, 0555, "saved | new");
        row("another user's writable text file in a sticky folder is saved in place", true,
            Setting::Unprivileged, 01777, "saved | new");
    }

    // A failed save leaves the file as it was, and the store reads what it held. No temporary
    // file is left beside the file, whatever the outcome. A folder the user may not write to
    // fails as these do: the admin tool's --system test.
    void failedSavesKeepTheFile()
    {
        QFETCH(bool, textFile);
        QFETCH(Setting, setting);
        QFETCH(mode_t, folderMode);
        const QString folder = m_dir->path();
        // Anyone may write the file; the unprivileged child may not replace it, as it is not
        // its own. The small disk hides the folder's files: the child writes the file again.
        QVERIFY(writeFile(path(), kOld));
        QVERIFY(QFile::setPermissions(path(), QFileDevice::Permissions(0x6666)));
        if (setting == Setting::Unprivileged)
            QVERIFY(::chmod(qPrintable(folder), folderMode) == 0);
        const auto save = [&] {
            if (setting == Setting::SmallDisk) {
                writeFile(path(), kOld);
                writeFile(folder + "/filler", QByteArray(ForkedChild::kSmallDiskBytes, 'x'));
            }
            QtSettingsStore store(folder);
            QString raised = "saved";
            try {
                textFile ? TextFile::write(path(), kLong)
                         : store.write(kApp, "Data", "Number", kLong);
            } catch (const PlatformError& error) {
                raised = QString::fromUtf8(error.what()).replace(path(), "FILE");
            }
            const QByteArray bytes = fileBytes(path());
            QString held = bytes == kOld ? "kept" : bytes == kLong ? "new" : "changed";
            if (!textFile)
                held += ", reads " + store.read(kApp, "Data", "Number", "-");
            QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            files.removeOne("filler");
            return QStringList{raised, held, files.join(' ')}.join(" | ");
        };
        const auto result = ForkedChild::run(setting, save, folder);
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7700));
        if (!result.skipped.isEmpty())
            QSKIP(qPrintable(result.skipped));
        QFETCH(QString, outcome);
        QCOMPARE(result.output, outcome + " | " + kApp + ".ini");
    }

    // A file that is a link is saved where it leads; a pipe in a file's place is not waited on.
    void linksAndPipes()
    {
        const QString real = m_dir->filePath("real.ini");
        writeFile(real, "[Data]\nNumber=1\n");
        QVERIFY(QFile::link(real, path()));
        QtSettingsStore store(m_dir->path());
        store.write(kApp, "Data", "Number", "2");
        QVERIFY(QFileInfo(path()).isSymLink());
        QCOMPARE(fileBytes(real), "[Data]\nNumber=2\n");

        QVERIFY(mkfifo(qPrintable(m_dir->filePath("Pipe.ini")), 0600) == 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Pipe.ini: it is not a file$"));
        QCOMPARE(store.read("Pipe", "Data", "Number", "-"), "-");
        QVERIFY_THROWS_EXCEPTION(StoreError, store.write("Pipe", "Data", "Number", "1"));
    }

private:
    QString path() const { return m_dir->filePath(kApp + QStringLiteral(".ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

BRIVOLA_TEST_MAIN(TestSettingsFiles)
#include "tst_settings_files.moc"
