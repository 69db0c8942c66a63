#include "platform/errors.h"
#include "platform/qt_settings_store.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

const QString kApp = QStringLiteral("Orvane Organizer");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void valuesComeBackExactly_data();
    void valuesComeBackExactly();
    void namesIgnoreCase();
    void absentValuesGiveTheFallback();
    void deleteSection();
    void keysListsASection();
    void keyValuesListASection();
    void damagedFileIsCopiedBeforeWriting();
    void soundFileIsNotCopied();
    void changesByAnotherProgramAreSeen();
    void userStoreLivesInTheConfigDirectory();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::valuesComeBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "4/19/1998";
    QTest::newRow("empty") << "";
    QTest::newRow("line feeds") << "first\nsecond\n";
    QTest::newRow("carriage returns") << "first\r\nsecond\r\n";
    QTest::newRow("non-ASCII") << QString::fromUtf8(
        "Gr\xc3\xbc\xc3\x9f\x65 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80");
    QTest::newRow("surrounding blanks") << "  padded\t ";
    QTest::newRow("commas") << "Abe  ::  555-1234, ext. 2";
    QTest::newRow("semicolons and equals") << "a=b; c=d";
    QTest::newRow("looks like a variant") << "@Variant(\\0\\0\\0\\x7f)";
    QTest::newRow("at sign") << "@home";
    QTest::newRow("quotes and backslashes") << "say \"hi\" C:\\Programs\\Web";
    QTest::newRow("brackets") << "[Data]\nNumber=1";
    QTest::newRow("long") << QString(100000, QLatin1Char('x'));
}

void TestSettingsStore::valuesComeBackExactly()
{
    QFETCH(QString, value);
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApp, QStringLiteral("Data"), QStringLiteral("0A"), value);
        QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("0A"), "-"), value);
    }
    QtSettingsStore reopened(m_dir->path());
    QCOMPARE(reopened.read(kApp, QStringLiteral("Data"), QStringLiteral("0A"), "-"), value);
}

void TestSettingsStore::namesIgnoreCase()
{
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("2"));
        store.write(kApp, QStringLiteral("DATA"), QStringLiteral("number"), QStringLiteral("3"));
        QCOMPARE(store.read(kApp, QStringLiteral("data"), QStringLiteral("NUMBER"), "-"), "3");
        QCOMPARE(store.keys(kApp, QStringLiteral("Data")), QStringList{"Number"});
    }
    QtSettingsStore reopened(m_dir->path());
    QCOMPARE(reopened.read(kApp, QStringLiteral("dAtA"), QStringLiteral("nUmBeR"), "-"), "3");
    const QByteArray file = fileBytes(reopened.location(kApp));
    QCOMPARE(file.count("umber="), 1);
}

void TestSettingsStore::absentValuesGiveTheFallback()
{
    QtSettingsStore store(m_dir->path());
    QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("number"), "1"), "1");
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("0"), QStringLiteral("x"));
    QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("1"), ""), "");
    QCOMPARE(store.read(QStringLiteral("Brivola"), QStringLiteral("Data"), "0", "-1"), "-1");
}

void TestSettingsStore::deleteSection()
{
    QtSettingsStore store(m_dir->path());
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("1"));
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("0"), QStringLiteral("4/19/1998"));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("0"));

    store.deleteSection(kApp, QStringLiteral("data"));
    QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("0"), "gone"), "gone");
    QCOMPARE(store.read(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), "-"), "0");
    QVERIFY_THROWS_EXCEPTION(StoreError, store.deleteSection(kApp, QStringLiteral("Data")));

    store.flush();
    QtSettingsStore reopened(m_dir->path());
    QVERIFY(reopened.keys(kApp, QStringLiteral("Data")).isEmpty());
    QCOMPARE(reopened.read(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), "-"), "0");
}

void TestSettingsStore::keysListsASection()
{
    QtSettingsStore store(m_dir->path());
    for (const char* key : {"Number", "0", "1", "0A"})
        store.write(kApp, QStringLiteral("Data"), QLatin1String(key), QStringLiteral("v"));
    QStringList keys = store.keys(kApp, QStringLiteral("data"));
    keys.sort();
    QCOMPARE(keys, (QStringList{"0", "0A", "1", "Number"}));
    QVERIFY(store.keys(kApp, QStringLiteral("URL")).isEmpty());
}

void TestSettingsStore::keyValuesListASection()
{
    QtSettingsStore store(m_dir->path());
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("2"));
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("0"), QStringLiteral("a, b"));
    store.write(kApp, QStringLiteral("DATA"), QStringLiteral("number"), QStringLiteral("3"));
    store.flush();
    QtSettingsStore reader(m_dir->path());
    auto pairs = reader.keyValues(kApp, QStringLiteral("data"));
    std::sort(pairs.begin(), pairs.end());
    using Pairs = QList<std::pair<QString, QString>>;
    QCOMPARE(pairs, (Pairs{{"0", "a, b"}, {"Number", "3"}}));
    QVERIFY(reader.keyValues(kApp, QStringLiteral("URL")).isEmpty());
}

void TestSettingsStore::damagedFileIsCopiedBeforeWriting()
{
    const QString path = m_dir->filePath(kApp + QStringLiteral(".ini"));
    const QByteArray damaged = "[Data\nNumber=1\n[Phone]\nNumber=1\n0=Abe  ::  1\n";
    writeFile(path, damaged);

    QtSettingsStore store(m_dir->path());
    QCOMPARE(store.read(kApp, QStringLiteral("Phone"), QStringLiteral("0"), "-"), "Abe  ::  1");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("is damaged; a copy was kept as")));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("2"));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("1"), QStringLiteral("Zed"));
    store.flush();

    const QStringList copies =
        QDir(m_dir->path()).entryList({kApp + QStringLiteral(".ini.damaged-*")}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(fileBytes(m_dir->filePath(copies.first())), damaged);
}

void TestSettingsStore::soundFileIsNotCopied()
{
    {
        QtSettingsStore store(m_dir->path());
        store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("0"));
    }
    QtSettingsStore store(m_dir->path());
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("1"));
    store.flush();
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{kApp + ".ini"});
}

void TestSettingsStore::changesByAnotherProgramAreSeen()
{
    QtSettingsStore reader(m_dir->path());
    QCOMPARE(reader.read(QStringLiteral("Brivola"), QStringLiteral("Restrictions"),
                         QStringLiteral("Number"), "-1"),
             "-1");
    {
        QtSettingsStore writer(m_dir->path());
        writer.write(QStringLiteral("Brivola"), QStringLiteral("Restrictions"),
                     QStringLiteral("Number"), QStringLiteral("1"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(reader.read(QStringLiteral("Brivola"), QStringLiteral("Restrictions"),
                                          QStringLiteral("Number"), "-1"),
                              QStringLiteral("1"), 2000);
}

void TestSettingsStore::userStoreLivesInTheConfigDirectory()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!config.isEmpty());
    QCOMPARE(QtSettingsStore::defaultDirectory(), config + QStringLiteral("/brivola"));
    QtSettingsStore store;
    QCOMPARE(store.location(QStringLiteral("Brivola")),
             config + QStringLiteral("/brivola/Brivola.ini"));
}

BRIVOLA_TEST_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
