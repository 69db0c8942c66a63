#include "platform/errors.h"
#include "platform/text_file.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data();
    void lineEnds();
    void writeReplacesTheFile();
    void failureGivesTheReasonAndKeepsTheFile_data();
    void failureGivesTheReasonAndKeepsTheFile();
};

void TestTextFile::lineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("line feeds") << "a\nb\n"
                                << "a\r\nb\r\n";
    QTest::newRow("already CR LF") << "a\r\nb"
                                   << "a\r\nb";
    QTest::newRow("lone carriage return") << "a\rb"
                                          << "a\r\nb";
    QTest::newRow("empty lines") << "\n\n"
                                 << "\r\n\r\n";
}

void TestTextFile::lineEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextFile::withCrLf(text), expected);
}

void TestTextFile::writeReplacesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.txt"));
    TextFile::write(path, QStringLiteral("a much longer first text\r\n"));
    TextFile::write(path, QStringLiteral("Grüße\r\n"));
    QCOMPARE(contents(path), QByteArray("Gr\xc3\xbc\xc3\x9f"
                                        "e\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"note.txt"});
}

void TestTextFile::failureGivesTheReasonAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "directory";
    QTest::newRow("a missing folder") << "missing/note.txt"
                                      << "No such file";
}

void TestTextFile::failureGivesTheReasonAndKeepsTheFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    try {
        TextFile::write(dir.filePath(name), QStringLiteral("text"));
        QFAIL("the write did not fail");
    } catch (const FileError& error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(reason), error.what());
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

BRIVOLA_TEST_MAIN(TestTextFile)
#include "tst_text_file.moc"
