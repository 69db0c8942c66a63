#include "core/errors.h"
#include "platform/real/qt_settings_store.h"
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
    void namesIgnoreCaseAndAbsentValuesFallBack();
    void deleteSection();
    void damagedFileIsCopiedBeforeWriting_data();
    void damagedFileIsCopiedBeforeWriting();
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
    QTest::newRow("quotes and backslashes") << "say \"hi\" C:\\Programs\\Web";
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

void TestSettingsStore::namesIgnoreCaseAndAbsentValuesFallBack()
{
    {
        QtSettingsStore store(m_dir->path());
        QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("number"), "1"), "1");
        store.write(kApp, QStringLiteral("Data"), QStringLiteral("Number"), QStringLiteral("2"));
        store.write(kApp, QStringLiteral("DATA"), QStringLiteral("number"), QStringLiteral("3"));
        store.write(kApp, QStringLiteral("Data"), QStringLiteral("0"), QStringLiteral("a, b"));
        QCOMPARE(store.read(kApp, QStringLiteral("data"), QStringLiteral("NUMBER"), "-"), "3");
        QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("1"), ""), "");
    }
    QtSettingsStore reopened(m_dir->path());
    auto pairs = reopened.keyValues(kApp, QStringLiteral("dAtA"));
    std::sort(pairs.begin(), pairs.end());
    using Pairs = QList<std::pair<QString, QString>>;
    QCOMPARE(pairs, (Pairs{{"0", "a, b"}, {"Number", "3"}})); // one key, spelled as first written
    QVERIFY(reopened.keyValues(kApp, QStringLiteral("URL")).isEmpty());
    QCOMPARE(reopened.read(QStringLiteral("Brivola"), QStringLiteral("Data"), "0", "-1"), "-1");
}

void TestSettingsStore::deleteSection()
{
    QtSettingsStore store(m_dir->path());
    store.write(kApp, QStringLiteral("Data"), QStringLiteral("0"), QStringLiteral("4/19/1998"));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("0"));

    store.deleteSection(kApp, QStringLiteral("data"));
    QCOMPARE(store.read(kApp, QStringLiteral("Data"), QStringLiteral("0"), "gone"), "gone");
    QVERIFY_THROWS_EXCEPTION(StoreError, store.deleteSection(kApp, QStringLiteral("Data")));
    QVERIFY(store.flush());

    QtSettingsStore reopened(m_dir->path());
    QVERIFY(reopened.keyValues(kApp, QStringLiteral("Data")).isEmpty());
    QCOMPARE(reopened.read(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), "-"), "0");
}

void TestSettingsStore::damagedFileIsCopiedBeforeWriting_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("damaged") << QByteArray("[Data\nNumber=1\n[Phone]\nNumber=1\n0=Abe  ::  1\n")
                             << true;
    QTest::newRow("sound") << QByteArray("[Phone]\nNumber=1\n0=Abe  ::  1\n") << false;
}

void TestSettingsStore::damagedFileIsCopiedBeforeWriting()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, damaged);
    writeFile(m_dir->filePath(kApp + QStringLiteral(".ini")), file);

    QtSettingsStore store(m_dir->path());
    QCOMPARE(store.read(kApp, QStringLiteral("Phone"), QStringLiteral("0"), "-"), "Abe  ::  1");
    if (damaged)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is damaged; a copy was kept as"));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("Number"), QStringLiteral("2"));
    store.write(kApp, QStringLiteral("Phone"), QStringLiteral("1"), QStringLiteral("Zed"));
    QVERIFY(store.flush());

    const QStringList copies =
        QDir(m_dir->path()).entryList({kApp + QStringLiteral(".ini.damaged-*")}, QDir::Files);
    QCOMPARE(copies.size(), damaged ? 1 : 0);
    if (damaged)
        QCOMPARE(fileBytes(m_dir->filePath(copies.first())), file);
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
