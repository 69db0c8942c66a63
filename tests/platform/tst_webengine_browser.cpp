#include "core/errors.h"
#include "core/internet_settings.h"
#include "core/shared_texts.h"
#include "platform/real/webengine_browser.h"
#include "platform/real/webengine_profile.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/test_main.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace {

constexpr int kLoadTimeout = 20000;

// Pages in a temporary folder, so that no test reaches the network.
class LocalPages {
public:
    QString add(const QString& name, const QString& html)
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(html.toUtf8());
        return m_dir.filePath(name);
    }

private:
    QTemporaryDir m_dir;
};

QString page(const QString& title, const QString& body = QString())
{
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

} // namespace

class TestWebEngineBrowser : public QObject {
    Q_OBJECT
private slots:
    void titlesHistoryAndLoading();
    void textsThatAreNoAddressRaise_data();
    void textsThatAreNoAddressRaise();
    void dataPagesOutsideFullScreenOnly();
    void homePage();
    void newWindowRequests_data();
    void newWindowRequests();

private:
    FakeSettingsStore m_settings;
    FakeMessageBox m_messages;
    FakeFileDialogFactory m_dialogs;
    WebEngineProfile m_profile{m_settings, m_messages, m_dialogs};
    LocalPages m_pages;
};

void TestWebEngineBrowser::titlesHistoryAndLoading()
{
    WebEngineBrowser browser(m_profile, m_settings);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoBack());
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoForward());
    QSignalSpy titles(&browser, &BrowserControl::TitleChange);
    QSignalSpy status(&browser, &BrowserControl::StatusTextChange);
    QSignalSpy progress(&browser, &BrowserControl::ProgressChange);

    const QString one = m_pages.add(QStringLiteral("one.html"), page(QStringLiteral("One")));
    browser.Navigate(one);
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "One", kLoadTimeout);
    QCOMPARE(titles.last().first().toString(), "One");
    QCOMPARE(browser.LocationURL(), QUrl::fromLocalFile(one).toString());
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoBack());
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), kLoadTimeout);
    QCOMPARE(progress.last().at(1).toInt(), 100);
    QVERIFY(status.count() >= progress.count());

    browser.Navigate(m_pages.add(QStringLiteral("two.html"), page(QStringLiteral("Two"))));
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Two", kLoadTimeout);
    browser.GoBack();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "One", kLoadTimeout);
    browser.GoForward();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Two", kLoadTimeout);
}

void TestWebEngineBrowser::textsThatAreNoAddressRaise_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("words") << "Enter URL";
    QTest::newRow("script") << "javascript:document.title='ran'";
    QTest::newRow("NUL character") << QString::fromLatin1("a.test/\0", 8);
}

void TestWebEngineBrowser::textsThatAreNoAddressRaise()
{
    QFETCH(QString, text);
    WebEngineBrowser browser(m_profile, m_settings);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.Navigate(text));
}

// A data page loads in a browser window; the guarded full-screen control refuses it, and a
// megabyte of address neither hangs nor crashes.
void TestWebEngineBrowser::dataPagesOutsideFullScreenOnly()
{
    const QString data = QStringLiteral("data:text/html,<title>Data</title>");
    WebEngineBrowser browser(m_profile, m_settings);
    browser.Navigate(data);
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Data", kLoadTimeout);
    browser.setGuarded(true);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.Navigate(data));
    browser.Navigate("127.0.0.1:9/" + QString(1 << 20, 'a'));
    QTest::qWait(500);
}

void TestWebEngineBrowser::homePage()
{
    FakeSettingsStore settings;
    WebEngineBrowser browser(m_profile, settings);
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Brivola Start Page", kLoadTimeout);
    QCOMPARE(browser.LocationURL(), InternetSettings::kDefaultHomePage);

    using namespace InternetSettings;
    const QString mine = m_pages.add(QStringLiteral("home.html"), page(QStringLiteral("Mine")));
    settings.write(Texts::kProgramStore, kSection, kHomePageKey,
                   QUrl::fromLocalFile(mine).toString());
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Mine", kLoadTimeout);

    settings.write(Texts::kProgramStore, kSection, kHomePageKey, QStringLiteral("not an address"));
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Brivola Start Page", kLoadTimeout);
}

void TestWebEngineBrowser::newWindowRequests_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("title");
    QTest::newRow("cancelled: nothing opens") << true << "Opener";
    QTest::newRow("not cancelled: it loads here") << false << "Target";
}

void TestWebEngineBrowser::newWindowRequests()
{
    QFETCH(bool, cancel);
    QFETCH(QString, title);
    WebEngineBrowser browser(m_profile, m_settings);
    connect(&browser, &BrowserControl::NewWindow2, this, [cancel](bool* c) { *c = cancel; });
    QSignalSpy requests(&browser, &BrowserControl::NewWindow2);
    const QString target =
        m_pages.add(QStringLiteral("target.html"), page(QStringLiteral("Target")));
    const QString script = QStringLiteral("<script>window.open('%1');</script>")
                               .arg(QUrl::fromLocalFile(target).toString());
    const int windowsBefore = QApplication::topLevelWidgets().size();

    browser.Navigate(m_pages.add(QStringLiteral("opener.html"), page("Opener", script)));
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), title, kLoadTimeout);
    QTest::qWait(300);
    QCOMPARE(browser.LocationName(), title);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
}

BRIVOLA_TEST_MAIN(TestWebEngineBrowser)
#include "tst_webengine_browser.moc"
