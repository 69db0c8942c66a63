#include "platform/errors.h"
#include "platform/internet_settings.h"
#include "platform/webengine_browser.h"
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
    void titlesArrive();
    void backAndForwardWithoutPagesRaise();
    void backAndForwardMoveThroughHistory();
    void textsThatAreNoAddressRaise_data();
    void textsThatAreNoAddressRaise();
    void homePageIsBuiltIn();
    void storedHomePageIsUsed();
    void loadingReportsStatusAndProgress();
    void cancelledNewWindowOpensNothing();
    void newWindowNobodyCancelsLoadsHere();

private:
    FakeSettingsStore m_settings;
    LocalPages m_pages;
};

void TestWebEngineBrowser::titlesArrive()
{
    WebEngineBrowser browser(m_settings);
    const QString path = m_pages.add(QStringLiteral("first.html"), page(QStringLiteral("First")));
    QSignalSpy titles(&browser, &BrowserControl::TitleChange);
    browser.Navigate(path);
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "First", kLoadTimeout);
    QVERIFY(titles.count() >= 1);
    QCOMPARE(titles.last().first().toString(), "First");
    QCOMPARE(browser.LocationURL(), QUrl::fromLocalFile(path).toString());
}

void TestWebEngineBrowser::backAndForwardWithoutPagesRaise()
{
    WebEngineBrowser browser(m_settings);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoBack());
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoForward());
    browser.Navigate(m_pages.add(QStringLiteral("only.html"), page(QStringLiteral("Only"))));
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Only", kLoadTimeout);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.GoBack());
}

void TestWebEngineBrowser::backAndForwardMoveThroughHistory()
{
    WebEngineBrowser browser(m_settings);
    browser.Navigate(m_pages.add(QStringLiteral("one.html"), page(QStringLiteral("One"))));
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "One", kLoadTimeout);
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
}

void TestWebEngineBrowser::textsThatAreNoAddressRaise()
{
    QFETCH(QString, text);
    WebEngineBrowser browser(m_settings);
    QVERIFY_THROWS_EXCEPTION(BrowserError, browser.Navigate(text));
}

void TestWebEngineBrowser::homePageIsBuiltIn()
{
    WebEngineBrowser browser(m_settings);
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Brivola Start Page", kLoadTimeout);
    QCOMPARE(browser.LocationURL(), InternetSettings::kDefaultHomePage);
}

void TestWebEngineBrowser::storedHomePageIsUsed()
{
    FakeSettingsStore settings;
    WebEngineBrowser browser(settings);
    const QString path = m_pages.add(QStringLiteral("home.html"), page(QStringLiteral("Mine")));
    using namespace InternetSettings;
    settings.write(kApplication, kSection, kHomePageKey, QUrl::fromLocalFile(path).toString());
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Mine", kLoadTimeout);

    settings.write(kApplication, kSection, kHomePageKey, QStringLiteral("not an address"));
    browser.GoHome();
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Brivola Start Page", kLoadTimeout);
}

void TestWebEngineBrowser::loadingReportsStatusAndProgress()
{
    WebEngineBrowser browser(m_settings);
    QSignalSpy status(&browser, &BrowserControl::StatusTextChange);
    QSignalSpy progress(&browser, &BrowserControl::ProgressChange);
    browser.Navigate(m_pages.add(QStringLiteral("busy.html"), page(QStringLiteral("Busy"))));
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Busy", kLoadTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), kLoadTimeout);
    QVERIFY(status.count() >= progress.count());
    QCOMPARE(progress.last().at(1).toInt(), 100);
}

void TestWebEngineBrowser::cancelledNewWindowOpensNothing()
{
    WebEngineBrowser browser(m_settings);
    connect(&browser, &BrowserControl::NewWindow2, this, [](bool* cancel) { *cancel = true; });
    QSignalSpy requests(&browser, &BrowserControl::NewWindow2);
    const QString target =
        m_pages.add(QStringLiteral("target.html"), page(QStringLiteral("Target")));
    const QString opener = m_pages.add(
        QStringLiteral("opener.html"),
        page(QStringLiteral("Opener"), QStringLiteral("<script>window.open('%1');</script>")
                                           .arg(QUrl::fromLocalFile(target).toString())));
    const int windowsBefore = QApplication::topLevelWidgets().size();

    browser.Navigate(opener);
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, kLoadTimeout);
    QTest::qWait(300);
    QCOMPARE(browser.LocationName(), "Opener");
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
}

void TestWebEngineBrowser::newWindowNobodyCancelsLoadsHere()
{
    WebEngineBrowser browser(m_settings);
    const QString target = m_pages.add(QStringLiteral("here.html"), page(QStringLiteral("Here")));
    const QString opener = m_pages.add(
        QStringLiteral("asks.html"),
        page(QStringLiteral("Asks"), QStringLiteral("<script>window.open('%1');</script>")
                                         .arg(QUrl::fromLocalFile(target).toString())));
    browser.Navigate(opener);
    QTRY_COMPARE_WITH_TIMEOUT(browser.LocationName(), "Here", kLoadTimeout);
}

BRIVOLA_TEST_MAIN(TestWebEngineBrowser)
#include "tst_webengine_browser.moc"
