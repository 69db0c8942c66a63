#include "browsing/browser_window.h"
#include "organizer/named_list_page.h"
#include "organizer_fixture.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

QStringList listed(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

// The controls of one page, so that both pages run through the same tests.
struct PageControls {
    QListWidget* list;
    QLineEdit* name;
    QLineEdit* value;
    QPushButton* add;
    QPushButton* remove;
    QString section;
    QString countKey;
};

PageControls controls(Calender1& organizer, bool favourites)
{
    if (favourites)
        return {organizer.List2,    organizer.Text4, organizer.Text3, organizer.Command5,
                organizer.Command4, "URL",           "URLS"};
    return {organizer.List1,    organizer.Text1, organizer.Text2, organizer.Command2,
            organizer.Command3, "Phone",         "Number"};
}

void add(const PageControls& page, const QString& name, const QString& value)
{
    page.name->setText(name);
    page.value->setText(value);
    page.add->click();
}

} // namespace

class TestOrganizerLists : public QObject {
    Q_OBJECT
private slots:
    // Sorted lists follow the user's language; these tests use US English.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void bothBoxesMustBeFilled_data();
    void bothBoxesMustBeFilled();
    void addedEntriesAreSortedAndSaved_data();
    void addedEntriesAreSortedAndSaved();
    void storedEntriesAreShownSorted();
    void removal_data();
    void removal();
    void favouriteOpensInANewBrowser();
    void doubleClickOnAPhoneEntryDoesNothing();
};

void TestOrganizerLists::bothBoxesMustBeFilled_data()
{
    QTest::addColumn<bool>("favourites");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    for (const bool favourites : {false, true}) {
        const char* page = favourites ? "URL" : "Number";
        QTest::addRow("%s: name only", page) << favourites << "Abe"
                                             << "";
        QTest::addRow("%s: value only", page) << favourites << ""
                                              << "1";
        QTest::addRow("%s: both empty", page) << favourites << ""
                                              << "";
    }
}

void TestOrganizerLists::bothBoxesMustBeFilled()
{
    QFETCH(bool, favourites);
    QFETCH(QString, name);
    QFETCH(QString, value);
    OrganizerFixture f;
    const PageControls page = controls(*f.open(), favourites);
    add(page, name, value);
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{"Both text boxes must be filled!"});
    QCOMPARE(f.fakes.messageBox->titles, QStringList{"Brivola 2.0"});
    QCOMPARE(f.fakes.messageBox->buttonSets.first(), MessageBox::Buttons::Ok);
    QCOMPARE(page.list->count(), 0);
}

void TestOrganizerLists::addedEntriesAreSortedAndSaved_data()
{
    QTest::addColumn<bool>("favourites");
    QTest::newRow("phone numbers") << false;
    QTest::newRow("favourites") << true;
}

void TestOrganizerLists::addedEntriesAreSortedAndSaved()
{
    QFETCH(bool, favourites);
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    const PageControls page = controls(organizer, favourites);
    add(page, "Zed", "1");
    add(page, "Abe", "2");
    add(page, "bob", "3");
    add(page, "Abe", "2");
    QCOMPARE(page.name->text(), "Abe");
    QCOMPARE(page.value->text(), "2");
    const QStringList sorted{"Abe  ::  2", "Abe  ::  2", "bob  ::  3", "Zed  ::  1"};
    QCOMPARE(listed(page.list), sorted);
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());

    organizer.Command7->click();
    QCOMPARE(f.stored(page.section, page.countKey), "4");
    for (int i = 0; i < sorted.size(); ++i)
        QCOMPARE(f.stored(page.section, QString::number(i)), sorted[i]);
}

void TestOrganizerLists::storedEntriesAreShownSorted()
{
    OrganizerFixture f;
    f.put("Phone", "Number", "3 entries");
    f.put("Phone", "0", QString::fromUtf8("\xc3\x89mile  ::  3"));
    f.put("Phone", "1", "zoe  ::  1");
    f.put("Phone", "2", "Eve  ::  2");
    f.put("URL", "URLS", "many");
    f.put("URL", "0", "never read  ::  x");
    Calender1& organizer = *f.open();
    QCOMPARE(listed(organizer.List1),
             (QStringList{QString::fromUtf8("\xc3\x89mile  ::  3"), "Eve  ::  2", "zoe  ::  1"}));
    QCOMPARE(organizer.List2->count(), 0);
}

void TestOrganizerLists::removal_data()
{
    QTest::addColumn<bool>("favourites");
    QTest::newRow("Remove Number") << false;
    QTest::newRow("Remove URL") << true;
}

void TestOrganizerLists::removal()
{
    QFETCH(bool, favourites);
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    const PageControls page = controls(organizer, favourites);
    page.remove->click(); // empty list
    add(page, "Abe", "1");
    add(page, "Bea", "2");
    page.remove->click(); // nothing selected
    QCOMPARE(page.list->count(), 2);

    page.list->setCurrentRow(0);
    page.remove->click();
    QCOMPARE(listed(page.list), QStringList{"Bea  ::  2"});
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
    organizer.Command7->click();
    QCOMPARE(f.stored(page.section, page.countKey), "1");
    QCOMPARE(f.stored(page.section, "0"), "Bea  ::  2");
}

void TestOrganizerLists::favouriteOpensInANewBrowser()
{
    OrganizerFixture f;
    QPointer<Calender1> organizer = f.open();
    organizer->Command8->click();
    add(controls(*organizer, true), "Example", "http://example.com/");
    organizer->Text5->insertPlainText(QStringLiteral("saved too"));
    const int before = f.browserWindows();

    OrganizerFixture::doubleClick(organizer->List2, 0);

    QCOMPARE(f.browserWindows(), before + 1);
    auto* browser = qobject_cast<MiniBrowse*>(f.frame->mdiArea->subWindowList().last()->widget());
    QCOMPARE(f.frame->activeChild(), browser);
    QVERIFY(browser);
    QCOMPARE(browser->Combo1->currentText(), "http://example.com/");
    QCOMPARE(f.fakes.browsers->controls().last()->calls,
             QStringList{"Navigate http://example.com/"});
    QVERIFY(f.frame->isEnabled());
    QVERIFY(!f.app->loadedCalender1());
    QTRY_VERIFY(organizer.isNull());
    QCOMPARE(f.stored("URL", "0"), "Example  ::  http://example.com/");
    QCOMPARE(f.stored("Data", "0A"), "saved too");
}

void TestOrganizerLists::doubleClickOnAPhoneEntryDoesNothing()
{
    OrganizerFixture f;
    Calender1& organizer = *f.open();
    organizer.cmdPhone->click();
    add(controls(organizer, false), "Abe", "555");
    const int before = f.browserWindows();
    OrganizerFixture::doubleClick(organizer.List1, 0);
    QCOMPARE(f.browserWindows(), before);
    QCOMPARE(f.app->loadedCalender1(), &organizer);
    QVERIFY(!f.frame->isEnabled());
}

BRIVOLA_TEST_MAIN(TestOrganizerLists)
#include "tst_organizer_lists.moc"
