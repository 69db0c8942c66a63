#pragma once

// The engine's page behind a browser control: where the engine's questions to the program are
// answered. Dialogs of the page itself, permission requests and certificate errors are asked
// of the user, or answered unasked where the control is guarded; a page whose renderer ended
// is replaced by a short page that says so.

#include <QWebEnginePage>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QWebEnginePermission>
#endif

class MessageBox;
class PermissionMemory;

class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    inline static const QString kStoppedTitle = QStringLiteral("This page stopped");

    // The page asks the user through the message box and keeps their answers to sites in the
    // permission memory.
    EnginePage(QWebEngineProfile* profile, PermissionMemory& permissions, MessageBox& messages);

    // While set, the page's own dialogs ("Are you sure you want to leave this page?", alerts,
    // prompts) are answered without being shown: leaving is allowed, prompts are cancelled.
    void setAnswerUnasked(bool unasked) { m_answerUnasked = unasked; }
    // A guarded page asks nothing: every permission is denied, every certificate error refused.
    void setGuarded(bool guarded) { m_guarded = guarded; }
    // Loads the page again; after a stop, the page that stopped.
    void reloadPage();
    // The window that shows the page, where its questions go; none while no view shows it.
    static QWidget* windowOf(const QWebEnginePage* page);

protected:
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override;

private:
    bool allows(const QUrl& origin, int feature, const QString& words);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    void answerPermission(QWebEnginePermission permission);
#else
    void answerPermission(const QUrl& origin, Feature feature);
#endif
    void answerCertificateError(QWebEngineCertificateError error);
    void showStopped(RenderProcessTerminationStatus status, int exitCode);

    PermissionMemory& m_permissions;
    MessageBox& m_messages;
    bool m_answerUnasked = false;
    bool m_guarded = false;
    QUrl m_stoppedUrl; // the page that stopped, while its stop page shows
};
