#include "app/app.h"
#include "browsing/fullscreen_window.h"
#include "browsing/restriction_list.h"
#include "platform/browser_control.h"
#include "platform/webengine_browser.h"
#include "support/fake_platform.h"
#include "support/test_main.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace {

constexpr int kLoadTimeout = 20000;
const QString kRefused = QStringLiteral("That page violates parental rules");

// The full-screen window over the real engine, with "casino" restricted and two local pages.
class EngineFixture {
public:
    explicit EngineFixture(const QString& commandLine = QString())
    {
        using namespace Restrictions;
        fakes.settings->write(kApplication, kSection, kCountKey, QStringLiteral("1"));
        fakes.settings->write(kApplication, kSection, entryKey(0), QStringLiteral("casino"));
        fakes.programInfo->line = commandLine;
        PlatformServices services = fakes.services();
        services.browsers = std::make_unique<WebEngineBrowserFactory>(*services.settings);
        app = std::make_unique<App>(std::move(services));
    }

    static QString page(const QString& name, const QString& title)
    {
        static QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>")
                           .arg(title)
                           .toUtf8());
        return QUrl::fromLocalFile(path).toString();
    }

    FakePlatform fakes;
    std::unique_ptr<App> app;
};

} // namespace

class TestFullScreenEngine : public QObject {
    Q_OBJECT
private slots:
    void restrictedPageGoesBackToTheFirst();
    void restrictedFirstPageGivesWayToTheEmptyPage();
};

void TestFullScreenEngine::restrictedPageGoesBackToTheFirst()
{
    const QString first = EngineFixture::page(QStringLiteral("first.html"), "A quiet page");
    const QString second = EngineFixture::page(QStringLiteral("second.html"), "Casino Night");
    EngineFixture f(first);
    BrowserControl* browser = f.app->form1().WebBrowser1;
    QTRY_COMPARE_WITH_TIMEOUT(browser->LocationName(), "A quiet page", kLoadTimeout);

    browser->Navigate(second);
    QTRY_COMPARE_WITH_TIMEOUT(f.fakes.messageBox->prompts, QStringList{kRefused}, kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(browser->LocationURL(), first, kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(browser->LocationName(), "A quiet page", kLoadTimeout);
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kRefused});
}

void TestFullScreenEngine::restrictedFirstPageGivesWayToTheEmptyPage()
{
    // Before its title the engine shows the file's name as the title; that one passes here.
    const QString casino = EngineFixture::page(QStringLiteral("opening.html"), "CASINO night");
    EngineFixture f(casino);
    BrowserControl* browser = f.app->form1().WebBrowser1;
    QTRY_COMPARE_WITH_TIMEOUT(browser->LocationURL(), Form1::kRefusedPage, kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(browser->LocationName(), "Brivola 2.0", kLoadTimeout);
    QCOMPARE(f.fakes.messageBox->prompts, QStringList{kRefused});
}

BRIVOLA_TEST_MAIN(TestFullScreenEngine)
#include "tst_fullscreen_engine.moc"
