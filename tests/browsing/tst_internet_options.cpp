#include "browsing/internet_options_dialog.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "support/fake_browser_control.h"
#include "support/fake_settings_store.h"
#include "support/test_main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace InternetSettings;

class TestInternetOptions : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredAddresses();
    void okStoresTheAddresses();
    void textThatIsNoAddressIsRefused();
    void failedSaveKeepsTheDialogOpen();
};

void TestInternetOptions::showsTheStoredAddresses()
{
    FakeSettingsStore settings;
    FakeBrowserProfile profile;
    InternetOptionsDialog fresh(settings, profile);
    QCOMPARE(fresh.findChild<QLineEdit*>("homePage")->text(), kDefaultHomePage);
    QCOMPARE(fresh.findChild<QLineEdit*>("searchPage")->text(), kDefaultSearchPage);

    settings.write(Texts::kProgramStore, kSection, kHomePageKey,
                   QStringLiteral("http://home.test/"));
    InternetOptionsDialog stored(settings, profile);
    QCOMPARE(stored.findChild<QLineEdit*>("homePage")->text(), "http://home.test/");
}

void TestInternetOptions::okStoresTheAddresses()
{
    FakeSettingsStore settings;
    FakeBrowserProfile profile;
    InternetOptionsDialog dialog(settings, profile);
    dialog.findChild<QLineEdit*>("homePage")->setText(QStringLiteral(" example.org "));
    dialog.findChild<QLineEdit*>("searchPage")->setText(QStringLiteral("https://search.test/"));
    dialog.accept();
    QCOMPARE(dialog.result(), QDialog::Accepted);
    QCOMPARE(homePage(settings), "example.org");
    QCOMPARE(searchPage(settings), "https://search.test/");
}

void TestInternetOptions::textThatIsNoAddressIsRefused()
{
    FakeSettingsStore settings;
    FakeBrowserProfile profile;
    InternetOptionsDialog dialog(settings, profile);
    dialog.show();
    dialog.findChild<QLineEdit*>("searchPage")->setText(QStringLiteral("   "));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.findChild<QLabel*>("note")->isVisible());
    QCOMPARE(settings.writes, 0);
}

void TestInternetOptions::failedSaveKeepsTheDialogOpen()
{
    FakeSettingsStore settings;
    FakeBrowserProfile profile;
    InternetOptionsDialog dialog(settings, profile);
    dialog.show();
    settings.saveFails = true;
    dialog.accept();
    QVERIFY(dialog.isVisible());
    const QString note = dialog.findChild<QLabel*>("note")->text();
    QVERIFY2(note.contains("memory:Brivola") && note.contains("No space left on device"),
             qPrintable(note));
}

BRIVOLA_TEST_MAIN(TestInternetOptions)
#include "tst_internet_options.moc"
