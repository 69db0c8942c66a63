#pragma once

// The engine's page behind a browser control: where the engine's questions to the program are
// answered. Dialogs of the page itself, permission requests, certificate errors and logins
// are asked of the user, or answered unasked where the control is guarded; a page whose
// renderer ended is replaced by a short page that says so.

#include "core/address_rules.h"

#include <QSet>
#include <QWebEnginePage>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QWebEnginePermission>
#endif

class QAuthenticator;
class MessageBox;
class PermissionMemory;

class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    inline static const QString kStoppedTitle =
        QStringLiteral(QT_TRANSLATE_NOOP("EnginePage", "This page stopped"));
    static constexpr const char* kRememberDecision =
        QT_TRANSLATE_NOOP("EnginePage", "Remember this decision");

    // The page asks the user through the message box and keeps their answers to sites in the
    // permission memory.
    EnginePage(QWebEngineProfile* profile, PermissionMemory& permissions, MessageBox& messages);

    // While set, the page's own dialogs ("Are you sure you want to leave this page?", alerts,
    // prompts) are answered without being shown: leaving is allowed, prompts are cancelled.
    void setAnswerUnasked(bool unasked) { m_answerUnasked = unasked; }
    // A guarded page asks nothing: every permission is denied, every certificate error refused.
    // It opens only what AddressRules::fullScreenOpens() allows, in every frame, and hands no
    // address to the desktop's handlers of other schemes.
    void setGuard(AddressRules::Guard guard);
    bool guarded() const { return m_guarded; }
    // Loads the page again; after a stop, the page that stopped.
    void reloadPage();
    // Whether it shows the short page that says its renderer ended.
    bool showsStopPage() const { return !m_stoppedUrl.isEmpty(); }
    // The window that shows the page, where its questions go; none while no view shows it.
    static QWidget* windowOf(const QWebEnginePage* page);
    // No move back or forward, the engine's own or a script's, loads this address again.
    void skipInHistory(const QUrl& url) { m_skipped.insert(url); }
    bool skippedInHistory(const QUrl& url) const { return m_skipped.contains(url); }

signals:
    // A guarded page did not go to this address.
    void navigationRefused(const QUrl& url);
    // The main frame goes to another document, before anything of it has arrived.
    void documentRequested(const QUrl& url);
    // A move back or forward aimed at a skipped entry, and did not go.
    void skippedEntryRequested(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    bool accepts(const QUrl& url, NavigationType type, bool isMainFrame);
    // A guarded page opens no file dialog: an upload's would let files be renamed or deleted.
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    bool allows(const QUrl& origin, const QString& words);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    void answerPermission(QWebEnginePermission permission);
#else
    void answerPermission(const QUrl& origin, Feature feature);
#endif
    void answerCertificateError(QWebEngineCertificateError error);
    void answerLogin(const QUrl& url, QAuthenticator* login, const QString& proxy);
    void showStopped(RenderProcessTerminationStatus status, int exitCode);

    PermissionMemory& m_permissions;
    MessageBox& m_messages;
    bool m_answerUnasked = false;
    AddressRules::Guard m_guard = AddressRules::Guard::None;
    bool m_guarded = false;
    QSet<QUrl> m_skipped;
    bool m_showingStop = false; // the stop page is being set, under the stopped page's address
    QUrl m_stoppedUrl;          // the page that stopped, while its stop page shows
    // The site (or proxy) and realm the last login was given for, until the page has loaded:
    // asked again, the answer was wrong.
    QString m_loginGiven;
};
