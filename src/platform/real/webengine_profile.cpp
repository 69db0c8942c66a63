#include "platform/real/webengine_profile.h"

#include "core/start_page.h"
#include "platform/browsing_memory.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/real/engine_page.h"
#include "platform/real/webengine_browser.h"
#include "platform/real/webengine_download.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineCookieStore>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

const QString kProfileName = QStringLiteral("brivola");
constexpr int kPagesReleaseMs = 100;
// The engine writes the cookies it holds on its own threads once the profile goes; that takes
// a millisecond or two, longer on a busy machine.
constexpr int kCookiesWrittenMs = 100;
// Left in the storage folder by clearing: the site data goes at the next start.
const QString kClearMark = QStringLiteral("clear-site-data");
// The folders where the engine keeps what sites stored.
const QStringList kSiteDataFolders = {
    QStringLiteral("Local Storage"), QStringLiteral("Session Storage"),
    QStringLiteral("IndexedDB"),     QStringLiteral("databases"),
    QStringLiteral("File System"),   QStringLiteral("Service Worker"),
};

void clearSiteDataIfMarked(const QString& storage)
{
    QDir folder(storage);
    if (!folder.exists(kClearMark))
        return;
    for (const QString& name : kSiteDataFolders)
        QDir(folder.filePath(name)).removeRecursively();
    folder.remove(kClearMark);
}

// The engine makes its default storage folder as the profile starts, before it is told where to
// keep things, and writes its preferences there a moment later; nothing else ever goes there.
void removeEngineDefault(const QString& folder)
{
    QDir engineDefault(folder);
    QStringList entries =
        engineDefault.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.removeOne(QStringLiteral("user_prefs.json")); // Qt 6.8 leaves the folder empty
    if (entries.isEmpty())
        engineDefault.removeRecursively();
    QDir().rmdir(QFileInfo(folder).path()); // "QtWebEngine", when nothing else is in it
}

QString permissionKey(const QUrl& origin, const QString& feature)
{
    return feature + QLatin1Char(' ') + origin.toString();
}

// History keeps the pages of the web and local files; not the program's own, nor a stop page.
bool belongsInHistory(const EnginePage& page)
{
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("file")};
    return schemes.contains(page.url().scheme()) && !page.showsStopPage();
}

// The start page shows the texts the program gives it, in the user's language; they are there
// before the page's own scripts run.
QWebEngineScript startPageTexts()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("start page texts"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(StartPage::textsScript());
    return script;
}

QString profileFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QStringLiteral("/brivola/engine");
}

void runEngineFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

QString WebEngineProfile::storageFolder()
{
    return profileFolder(QStandardPaths::GenericDataLocation);
}

QString WebEngineProfile::cacheFolder()
{
    return profileFolder(QStandardPaths::GenericCacheLocation);
}

WebEngineProfile::WebEngineProfile(const SettingsStore& settings, BrowsingMemory& memory,
                                   MessageBox& messages, FileDialogFactory& fileDialogs)
    : m_settings(settings), m_memory(memory), m_messages(messages), m_fileDialogs(fileDialogs)
{
    clearSiteDataIfMarked(storageFolder());
    m_profile = new QWebEngineProfile(kProfileName);
    m_engineDefaultFolder = m_profile->persistentStoragePath();
    m_profile->setPersistentStoragePath(storageFolder());
    m_profile->setCachePath(cacheFolder());
    // Sites that keep the user logged in only for the session keep them logged in across starts.
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    m_profile->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    m_profile->scripts()->insert(startPageTexts());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The user's answers hold until the program ends, as the engine kept them before Qt 6.8.
    m_profile->setPersistentPermissionsPolicy(
        QWebEngineProfile::PersistentPermissionsPolicy::StoreInMemory);
#endif
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            &WebEngineProfile::saveDownload);
}

// Every page of the profile is deleted by now (the windows go before the services), but the
// engine lets go of them only a moment later; a profile that goes sooner leaves the engine
// unable to deliver input to the pages of a profile made after it. A program that ends as soon
// as the profile goes can end before a cookie set a moment before is written.
WebEngineProfile::~WebEngineProfile()
{
    delete m_warmPage; // still there when the program ends before its first page loaded
    runEngineFor(kPagesReleaseMs);
    delete m_profile;
    runEngineFor(kCookiesWrittenMs);
    removeEngineDefault(m_engineDefaultFolder);
}

void WebEngineProfile::warmUp()
{
    m_warmPage = new QWebEnginePage(m_profile, this);
    m_warmPage->setHtml(QString());
}

BrowserControl* WebEngineProfile::createBrowser(QWidget* parent)
{
    auto* page = new EnginePage(m_profile, *this, m_messages);
    auto* browser = new WebEngineBrowser(page, m_settings, m_memory, parent);
    recordHistory(page);
    if (m_warmPage)
        connect(browser, &BrowserControl::progressChanged, m_warmPage,
                [page = m_warmPage](int progress, int progressMax) {
                    if (progress == progressMax)
                        page->deleteLater();
                });
    return browser;
}

void WebEngineProfile::recordHistory(EnginePage* page)
{
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (ok && belongsInHistory(*page))
            m_memory.recordVisit(page->url(), page->title());
    });
    connect(page, &QWebEnginePage::titleChanged, this, [this, page](const QString& title) {
        if (belongsInHistory(*page))
            m_memory.recordTitle(page->url(), title);
    });
}

void WebEngineProfile::clearBrowsingData()
{
    m_memory.clearHistory();
    m_profile->clearHttpCache();
    m_profile->cookieStore()->deleteAllCookies();
    m_profile->clearAllVisitedLinks();
    QDir().mkpath(storageFolder());
    QFile(QDir(storageFolder()).filePath(kClearMark)).open(QIODevice::WriteOnly);
}

std::optional<bool> WebEngineProfile::permission(const QUrl& origin, const QString& feature) const
{
    const auto found = m_permissions.constFind(permissionKey(origin, feature));
    if (found != m_permissions.cend())
        return *found;
    return m_memory.permission(origin.toString(), feature);
}

// A lasting answer lives in the memory only, so that forgetting it there takes effect at once.
void WebEngineProfile::rememberPermission(const QUrl& origin, const QString& feature, bool allowed,
                                          bool lasting)
{
    if (lasting)
        m_memory.rememberPermission({origin.toString(), feature, allowed});
    else
        m_permissions.insert(permissionKey(origin, feature), allowed);
}

// The save dialog shows over the window of the page that asked, starting in the download
// folder, made if need be, with the name the site suggests. The engine drops a request not
// accepted here.
void WebEngineProfile::saveDownload(QWebEngineDownloadRequest* request)
{
    QWidget* window = EnginePage::windowOf(request->page());
    // Full-screen mode lets nothing out of the program, not even into a file dialog.
    if (const auto* page = qobject_cast<const EnginePage*>(request->page());
        page && page->guarded()) {
        request->cancel();
        m_messages.show(window, tr("Full-screen mode does not download files."));
        return;
    }
    const auto dialog = m_fileDialogs.create(window ? window : QApplication::activeWindow());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QDir().mkpath(folder); // a new account may not have one yet
    dialog->setFileName(QDir(folder).filePath(request->suggestedFileName()));
    dialog->showSave();
    if (dialog->cancelled()) {
        request->cancel();
        return;
    }
    const QFileInfo target(dialog->fileName());
    request->setDownloadDirectory(target.absolutePath());
    request->setDownloadFileName(target.fileName());
    request->accept();
    emit downloadStarted(new WebEngineDownload(*request, this));
}
