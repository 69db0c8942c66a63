#include "platform/real/engine_page.h"

#include "platform/message_box.h"
#include "platform/real/permission_memory.h"

#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

QString featureText(QWebEnginePage::Feature feature)
{
    switch (feature) {
    case QWebEnginePage::Notifications:
        return QStringLiteral("show notifications");
    case QWebEnginePage::Geolocation:
        return QStringLiteral("know your location");
    case QWebEnginePage::MediaAudioCapture:
        return QStringLiteral("use your microphone");
    case QWebEnginePage::MediaVideoCapture:
        return QStringLiteral("use your camera");
    case QWebEnginePage::MediaAudioVideoCapture:
        return QStringLiteral("use your camera and microphone");
    case QWebEnginePage::MouseLock:
        return QStringLiteral("hide and lock the mouse pointer");
    case QWebEnginePage::DesktopVideoCapture:
        return QStringLiteral("share your screen");
    case QWebEnginePage::DesktopAudioVideoCapture:
        return QStringLiteral("share your screen and its sound");
    }
    return QStringLiteral("use feature %1").arg(int(feature));
}

QString certificateText(const QWebEngineCertificateError& error)
{
    switch (error.type()) {
    case QWebEngineCertificateError::CertificateAuthorityInvalid:
        return QStringLiteral("The certificate is not trusted.");
    case QWebEngineCertificateError::CertificateDateInvalid:
        return QStringLiteral("The certificate has expired, or is not valid yet.");
    case QWebEngineCertificateError::CertificateCommonNameInvalid:
        return QStringLiteral("The certificate is for another site.");
    case QWebEngineCertificateError::CertificateRevoked:
        return QStringLiteral("The certificate has been revoked.");
    default:
        return error.description();
    }
}

QString stopReason(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode)
{
    switch (status) {
    case QWebEnginePage::CrashedTerminationStatus:
        return QStringLiteral("its renderer crashed");
    case QWebEnginePage::KilledTerminationStatus:
        return QStringLiteral("its renderer was killed");
    default:
        return QStringLiteral("its renderer ended with status %1").arg(exitCode);
    }
}

} // namespace

EnginePage::EnginePage(QWebEngineProfile* profile, PermissionMemory& permissions,
                       MessageBox& messages)
    : QWebEnginePage(profile), m_permissions(permissions), m_messages(messages)
{
    // The questions wait until the engine's own call has returned.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &EnginePage::answerPermission,
            Qt::QueuedConnection);
    connect(this, &QWebEnginePage::certificateError, this,
            [this](QWebEngineCertificateError error) {
                if (m_guarded) {
                    error.rejectCertificate();
                    return;
                }
                error.defer();
                QTimer::singleShot(0, this, [this, error] { answerCertificateError(error); });
            });
    connect(this, &QWebEnginePage::renderProcessTerminated, this, &EnginePage::showStopped,
            Qt::QueuedConnection);
    connect(this, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        if (url != m_stoppedUrl)
            m_stoppedUrl.clear();
    });
}

void EnginePage::setGuard(AddressRules::Guard guard)
{
    m_guard = guard;
    m_guarded = guard != AddressRules::Guard::None;
    // Without this the engine hands "mailto:", "magnet:" and the like to xdg-open.
    settings()->setUnknownUrlSchemePolicy(
        m_guarded ? QWebEngineSettings::DisallowUnknownUrlSchemes
                  : QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
}

// Links, redirects, forms and scripts of a guarded page lead only where a typed address could;
// frames inside a page may also hold the engine's blank and generated documents.
bool EnginePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!m_guarded || (isMainFrame && std::exchange(m_showingStop, false)))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    static const QStringList inFrames = {QStringLiteral("about"), QStringLiteral("data"),
                                         QStringLiteral("blob")};
    if (AddressRules::fullScreenOpens(url, m_guard) ||
        (!isMainFrame && inFrames.contains(url.scheme(), Qt::CaseInsensitive)))
        return true;
    emit navigationRefused(url);
    return false;
}

QStringList EnginePage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                    const QStringList& acceptedMimeTypes)
{
    if (m_guarded)
        return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

QWidget* EnginePage::windowOf(const QWebEnginePage* page)
{
    QWebEngineView* view = QWebEngineView::forPage(page);
    return view ? view->window() : nullptr;
}

// An answer holds for the site and the feature until the program ends, or for good when the
// user ticks "Remember this decision".
void EnginePage::answerPermission(const QUrl& origin, Feature feature)
{
    const QString wanted = featureText(feature);
    std::optional<bool> allowed = m_guarded ? false : m_permissions.permission(origin, wanted);
    if (!allowed) {
        const QString prompt =
            QStringLiteral("%1 wants to %2.").arg(origin.toDisplayString(QUrl::RemovePath), wanted);
        const QStringList choices = {QStringLiteral("Allow"), QStringLiteral("Deny")};
        bool lasting = false;
        allowed = m_messages.chooseWithCheckBox(windowOf(this), prompt, choices, 1,
                                                kRememberDecision, &lasting) == 0;
        m_permissions.rememberPermission(origin, wanted, *allowed, lasting);
    }
    setFeaturePermission(origin, feature,
                         *allowed ? PermissionGrantedByUser : PermissionDeniedByUser);
}

// Going back is the default; going on is offered only where the engine allows an exception,
// which then lasts until the program ends.
void EnginePage::answerCertificateError(QWebEngineCertificateError error)
{
    QStringList choices = {QStringLiteral("Go back")};
    if (error.isOverridable())
        choices.append(QStringLiteral("Continue anyway"));
    const QString prompt = QStringLiteral("The connection to %1 is not secure.\n\n%2")
                               .arg(error.url().host(), certificateText(error));
    if (m_messages.choose(windowOf(this), prompt, choices, 0) == 1)
        return error.acceptCertificate();
    error.rejectCertificate();
    if (history()->canGoBack())
        triggerAction(Back);
}

void EnginePage::showStopped(RenderProcessTerminationStatus status, int exitCode)
{
    if (status == NormalTerminationStatus)
        return;
    m_stoppedUrl = url();
    m_showingStop = true;
    const QString address = m_stoppedUrl.toString(QUrl::FullyEncoded).toHtmlEscaped();
    setHtml(QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head>"
                           "<body style=\"font-family: sans-serif; margin: 3em\">"
                           "<h2>%1: %2</h2><p><a href=\"%3\">Reload</a></p></body></html>")
                .arg(kStoppedTitle, stopReason(status, exitCode).toHtmlEscaped(), address),
            m_stoppedUrl);
}

void EnginePage::reloadPage()
{
    if (m_stoppedUrl.isEmpty())
        triggerAction(Reload);
    else
        load(m_stoppedUrl);
}

bool EnginePage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return m_answerUnasked || QWebEnginePage::javaScriptConfirm(origin, message);
}

void EnginePage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    if (!m_answerUnasked)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool EnginePage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                                  QString* result)
{
    return !m_answerUnasked && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}
