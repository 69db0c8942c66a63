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
    // The stored addresses show; OK stores what was typed; "clear" empties the profile.
    void showsAndStoresTheAddresses()
    {
        FakeSettingsStore settings;
        FakeBrowserProfile profile;
        settings.write(Texts::kProgramStore, kSection, kHomePageKey, "http://home.test/");
        InternetOptionsDialog dialog(settings, profile);
        QCOMPARE(dialog.findChild<QLineEdit*>("homePage")->text(), "http://home.test/");
        QCOMPARE(dialog.findChild<QLineEdit*>("searchPage")->text(), kDefaultSearchPage);
        dialog.findChild<QLineEdit*>("homePage")->setText(" example.org ");
        dialog.accept();
        QCOMPARE(dialog.result(), QDialog::Accepted);
        QCOMPARE(homePage(settings), "example.org");
        dialog.findChild<QPushButton*>("clearBrowsingData")->click();
        QCOMPARE(profile.clears, 1);
    }

    // A text that is no address, or a store that cannot be written, keeps the dialog open
    // with a note that says why.
    void refusalsKeepTheDialogOpen()
    {
        FakeSettingsStore settings;
        FakeBrowserProfile profile;
        InternetOptionsDialog dialog(settings, profile);
        dialog.show();
        dialog.findChild<QLineEdit*>("searchPage")->setText("   ");
        dialog.accept();
        QVERIFY(dialog.isVisible() && settings.writes == 0);
        dialog.findChild<QLineEdit*>("searchPage")->setText("search.test");
        settings.saveFails = true;
        dialog.accept();
        QVERIFY(dialog.isVisible());
        const QString note = dialog.findChild<QLabel*>("note")->text();
        QVERIFY2(note.contains("memory:Brivola") && note.contains("No space left on device"),
                 qPrintable(note));
    }
};

BRIVOLA_TEST_MAIN(TestInternetOptions)
#include "tst_internet_options.moc"
