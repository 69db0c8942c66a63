#pragma once

// The web engine's one named profile, "brivola": cookies, site data and visited links kept in
// the user's data folder, the cache in their cache folder. It makes every browser control,
// saves downloads where the user chooses, and remembers the permissions they gave until the
// program ends.

#include "platform/browser_profile.h"
#include "platform/real/permission_memory.h"

#include <QHash>
#include <QPointer>
#include <QUrl>

#include <optional>

class FileDialogFactory;
class MessageBox;
class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;
class SettingsStore;

class WebEngineProfile : public BrowserProfile, public PermissionMemory {
    Q_OBJECT
public:
    // The profile's folders, under the user's data and cache folders.
    static QString storageFolder();
    static QString cacheFolder();

    // Creates the engine's profile: the single place where it starts, before any window.
    WebEngineProfile(const SettingsStore& settings, MessageBox& messages,
                     FileDialogFactory& fileDialogs);
    ~WebEngineProfile() override;

    // Brings the engine up before any window needs it: its services start and a renderer warms
    // on a hidden empty page, which goes once the first browser control has loaded a page.
    void warmUp();
    BrowserControl* createBrowser(QWidget* parent) override;
    // Cache, cookies and visited links go at once; what sites stored (local storage, databases)
    // is held open by the engine, and goes as the profile next starts, before any page.
    void clearBrowsingData() override;

    std::optional<bool> permission(const QUrl& origin, int feature) const override;
    void rememberPermission(const QUrl& origin, int feature, bool allowed) override;

private:
    void saveDownload(QWebEngineDownloadRequest* request);

    const SettingsStore& m_settings;
    MessageBox& m_messages;
    FileDialogFactory& m_fileDialogs;
    QWebEngineProfile* m_profile;
    QString m_engineDefaultFolder; // made by the engine for nothing, removed as the profile goes
    QPointer<QWebEnginePage> m_warmPage;
    QHash<QString, bool> m_permissions; // "feature origin" -> allowed
};
