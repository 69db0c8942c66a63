#include "organizer_fixture.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString read(const SettingsStore& store, const QString& section, const QString& key)
{
    return store.read(kOrganizerApplication, section, key, QStringLiteral("<absent>"));
}

QStringList sortedKeys(const SettingsStore& store, const QString& section)
{
    QStringList keys = store.keys(kOrganizerApplication, section);
    keys.sort();
    return keys;
}

} // namespace

class TestOrganizerFiles : public QObject {
    Q_OBJECT
private slots:
    void freshStoreAfterOneOpenAndClose();
    void storedEntriesComeBackReversedAndAreSavedInOrder();
    void entriesAreThereAfterARestart();
    void damagedStoreIsLeftAlone_data();
    void damagedStoreIsLeftAlone();
};

void TestOrganizerFiles::freshStoreAfterOneOpenAndClose()
{
    OrganizerFixture f(OrganizerFixture::Store::RealFile); // today: April 19, 1998
    f.open()->Command7->click();
    const auto store = f.restartedStore();
    QCOMPARE(sortedKeys(*store, "Data"), (QStringList{"0", "0A", "1", "1A", "Number"}));
    QCOMPARE(read(*store, "Data", "Number"), "2");
    QCOMPARE(read(*store, "Data", "0"), "4/19/1998");
    QCOMPARE(read(*store, "Data", "1"), "");
    QCOMPARE(read(*store, "Data", "0A"), "");
    QCOMPARE(read(*store, "Data", "1A"), "");
    QCOMPARE(sortedKeys(*store, "Phone"), QStringList{"Number"});
    QCOMPARE(read(*store, "Phone", "Number"), "0");
    QCOMPARE(sortedKeys(*store, "URL"), QStringList{"URLS"});
    QCOMPARE(read(*store, "URL", "URLS"), "0");
}

void TestOrganizerFiles::storedEntriesComeBackReversedAndAreSavedInOrder()
{
    OrganizerFixture f(OrganizerFixture::Store::RealFile);
    f.fakes.clock->current = QDateTime(QDate(1998, 4, 9), QTime(9, 0));
    f.put("Data", "Number", "2");
    f.put("Data", "0", "3/1/1998");
    f.put("Data", "0A", "entry A");
    f.put("Data", "1", "4/9/1998");
    f.put("Data", "1A", "entry B,\nis today");
    Calender1& organizer = *f.open();
    QCOMPARE(organizer.agenda.Sch1, (QStringList{"4/9/1998", "3/1/1998"}));
    QCOMPARE(organizer.Text5->toPlainText(), "entry B,\nis today");

    organizer.Command7->click();
    const auto store = f.restartedStore();
    QCOMPARE(read(*store, "Data", "Number"), "2");
    QCOMPARE(read(*store, "Data", "0"), "4/9/1998");
    QCOMPARE(read(*store, "Data", "0A"), "entry B,\nis today");
    QCOMPARE(read(*store, "Data", "1"), "3/1/1998");
    QCOMPARE(read(*store, "Data", "1A"), "entry A");
}

void TestOrganizerFiles::entriesAreThereAfterARestart()
{
    OrganizerFixture first(OrganizerFixture::Store::RealFile);
    {
        Calender1& organizer = *first.open();
        organizer.Text5->insertPlainText(QStringLiteral("Dentist at 3"));
        organizer.Text1->setText(QStringLiteral("Abe"));
        organizer.Text2->setText(QStringLiteral("555-1234"));
        organizer.Command2->click();
        organizer.Text4->setText(QStringLiteral("Example"));
        organizer.Text3->setText(QStringLiteral("http://example.com/"));
        organizer.Command5->click();
        organizer.Command7->click();
        first.flush();
    }
    // The next start of the program, on the same file.
    FakePlatform fakes;
    PlatformServices services = fakes.services();
    services.settings = std::make_unique<QtSettingsStore>(first.dir.path());
    App app(std::move(services));
    app.mdiForm1().show();
    app.mdiForm1().Command1->click();
    Calender1& organizer = *app.loadedCalender1();
    QCOMPARE(organizer.Text5->toPlainText(), "Dentist at 3");
    QCOMPARE(organizer.List1->item(0)->text(), "Abe  ::  555-1234");
    QCOMPARE(organizer.List2->item(0)->text(), "Example  ::  http://example.com/");
}

void TestOrganizerFiles::damagedStoreIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("named");
    const QByteArray rest("0=4/19/1998\n0A=Dentist\n");
    QTest::newRow("agenda count: letters")
        << "[Data]\nNumber=abc\n" + rest << "\"Number\" in section \"Data\" holds \"abc\"";
    QTest::newRow("agenda count: empty") << "[Data]\nNumber=\n" + rest << "holds \"\"";
    QTest::newRow("agenda count: huge") << "[Data]\nnumber=2000000\n" + rest << "2000000";
    QTest::newRow("phone count: huge")
        << "[Data]\nNumber=1\n" + rest + "[Phone]\nNumber=1000001\n0=Abe  ::  1\n"
        << "\"Number\" in section \"Phone\" holds \"1000001\"";
    QTest::newRow("favourites count: huge")
        << QByteArray("[URL]\nURLS=1e7\n0=Home  ::  http://example.com/\n")
        << "\"URLS\" in section \"URL\" holds \"1e7\"";
}

void TestOrganizerFiles::damagedStoreIsLeftAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString path = dir.filePath(kOrganizerApplication + QStringLiteral(".ini"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    {
        FakePlatform fakes;
        PlatformServices services = fakes.services();
        services.settings = std::make_unique<QtSettingsStore>(dir.path());
        App app(std::move(services));
        MDIForm1& frame = app.mdiForm1();
        frame.show();
        frame.Command1->click();

        QCOMPARE(fakes.messageBox->prompts.size(), 1);
        const QString message = fakes.messageBox->prompts.first();
        QVERIFY2(message.contains(named), qPrintable(message));
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY(!app.loadedCalender1());
        QVERIFY(frame.isEnabled());
    }
    QCOMPARE(fileBytes(path), file);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{kOrganizerApplication + ".ini"});
}

BRIVOLA_TEST_MAIN(TestOrganizerFiles)
#include "tst_organizer_files.moc"
