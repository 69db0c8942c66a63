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
    // The stored addresses show; a text that is no address, or a store that cannot be written,
    // keeps the dialog open with a note that says why; OK stores what was typed; "clear" empties
    // the profile.
    void showsAndStoresTheAddresses()
    {
        FakeSettingsStore settings;
        FakeBrowserProfile profile;
        const auto stored = [&settings](const QString& key) {
            return settings.read(Texts::kProgramStore, "Internet Settings", key, "-");
        };
        settings.write(Texts::kProgramStore, "Internet Settings", "Home Page", "http://home.test/");
        InternetOptionsDialog dialog(settings, profile);
        dialog.show();
        auto* home = dialog.findChild<QLineEdit*>("homePage");
        auto* search = dialog.findChild<QLineEdit*>("searchPage");
        QCOMPARE(home->text(), "http://home.test/");
        QCOMPARE(search->text(), kDefaultSearchPage);
        search->setText("   ");
        dialog.accept();
        QVERIFY(dialog.isVisible() && settings.writes == 1);
        home->setText(" example.org ");
        search->setText("search.test");
        settings.saveFails = true;
        dialog.accept();
        QVERIFY(dialog.isVisible() && stored("Home Page") == "http://home.test/");
        const QString note = dialog.findChild<QLabel*>("note")->text();
        QVERIFY2(note.contains("memory:Brivola") && note.contains("No space left on device"),
                 qPrintable(note));
        settings.saveFails = false;
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored("Home Page"), "example.org");
        QCOMPARE(stored("Search Page"), "search.test");
        dialog.findChild<QPushButton*>("clearBrowsingData")->click();
        QCOMPARE(profile.clears, 1);
    }
};

BRIVOLA_TEST_MAIN(TestInternetOptions)
#include "tst_internet_options.moc"
