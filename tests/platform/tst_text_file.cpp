#include "core/errors.h"
#include "platform/text_file.h"
#include "support/forked_child.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using ForkedChild::Setting;

namespace {

const QByteArray kOldNote = "old note\r\n";

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Saves a note over the old one; says what was reported, what the file then holds and which
// files the folder holds.
QString save(const QString& path, const QString& text)
{
    QString reported = QStringLiteral("saved");
    try {
        TextFile::write(path, text);
    } catch (const FileError& error) {
        reported = QString::fromUtf8(error.what());
    }
    const QStringList files = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
    return QStringList{reported, QString::fromUtf8(fileBytes(path)),
                       files.filter(QFileInfo(path).fileName()).join(QLatin1Char(' '))}
        .join(QStringLiteral(" | "));
}

// Fills the disk the file lies on.
void fillDiskBeside(const QString& path)
{
    QFile filler(QFileInfo(path).dir().filePath(QStringLiteral("filler")));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(1024, 'x');
    while (filler.write(block) > 0) {
    }
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void readOnlyFolder_data();
    void readOnlyFolder();
};

void TestTextFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file size limit") << Setting::FileSizeLimit << "File too large";
    QTest::newRow("full disk") << Setting::SmallDisk << "No space left on device";
}

// A note smaller than the file buffer fails only when the buffer goes to disk.
void TestTextFile::failedSaveKeepsTheOldFile()
{
    QFETCH(Setting, setting);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.txt"));
    const auto result = ForkedChild::run(
        setting,
        [&] {
            writeBytes(path, kOldNote);
            if (setting == Setting::SmallDisk)
                fillDiskBeside(path);
            return save(path, QString(int(ForkedChild::kFileSizeLimit) * 2, QLatin1Char('n')));
        },
        dir.path());
    if (!result.skipped.isEmpty())
        QSKIP(qPrintable(result.skipped));
    // The old note stays, and no temporary file is left behind.
    QCOMPARE(result.output, reason + " | " + QString::fromUtf8(kOldNote) + " | note.txt");
}

void TestTextFile::readOnlyFolder_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("writable file is saved in place") << true << "saved | new | manual.txt";
    QTest::newRow("new file cannot be made") << false << "Permission denied | (unreadable) | ";
}

void TestTextFile::readOnlyFolder()
{
    QFETCH(bool, exists);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manual.txt"));
    if (exists) {
        writeBytes(path, kOldNote);
        QFile::setPermissions(path, QFileDevice::Permissions(0x6666));
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    const auto result =
        ForkedChild::run(Setting::Unprivileged, [&] { return save(path, QStringLiteral("new")); });
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
    if (!result.skipped.isEmpty())
        QSKIP(qPrintable(result.skipped));
    QCOMPARE(result.output, outcome);
}

BRIVOLA_TEST_MAIN(TestTextFile)
#include "tst_text_file.moc"
