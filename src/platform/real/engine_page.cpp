#include "platform/real/engine_page.h"

#include "platform/message_box.h"
#include "platform/real/permission_memory.h"

#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {

// What a site asks for, as the question to the user words it: "<site> wants to <words>."
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
using SiteFeature = QWebEnginePermission::PermissionType;
using enum QWebEnginePermission::PermissionType;
#else
using SiteFeature = QWebEnginePage::Feature;
using enum QWebEnginePage::Feature;
#endif

struct FeatureWords {
    SiteFeature feature;
    const char* words;
};

constexpr FeatureWords kFeatureWords[] = {
    {Notifications, "show notifications"},
    {Geolocation, "know your location"},
    {MediaAudioCapture, "use your microphone"},
    {MediaVideoCapture, "use your camera"},
    {MediaAudioVideoCapture, "use your camera and microphone"},
    {MouseLock, "hide and lock the mouse pointer"},
    {DesktopVideoCapture, "share your screen"},
    {DesktopAudioVideoCapture, "share your screen and its sound"},
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    {ClipboardReadWrite, "read and change your clipboard"},
    {LocalFontsAccess, "see the fonts installed on your computer"},
#endif
};

QString featureWords(SiteFeature feature)
{
    for (const FeatureWords& entry : kFeatureWords)
        if (entry.feature == feature)
            return QString::fromLatin1(entry.words);
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    connect(this, &QWebEnginePage::permissionRequested, this, &EnginePage::answerPermission,
            Qt::QueuedConnection);
#else
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &EnginePage::answerPermission,
            Qt::QueuedConnection);
#endif
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

QWidget* EnginePage::windowOf(const QWebEnginePage* page)
{
    QWebEngineView* view = QWebEngineView::forPage(page);
    return view ? view->window() : nullptr;
}

// An answer holds for the site and the feature until the program ends.
bool EnginePage::allows(const QUrl& origin, int feature, const QString& words)
{
    if (m_guarded)
        return false;
    std::optional<bool> allowed = m_permissions.permission(origin, feature);
    if (!allowed) {
        const QString prompt =
            QStringLiteral("%1 wants to %2.").arg(origin.toDisplayString(QUrl::RemovePath), words);
        const QStringList choices = {QStringLiteral("Allow"), QStringLiteral("Deny")};
        allowed = m_messages.choose(windowOf(this), prompt, choices, 1) == 0;
        m_permissions.rememberPermission(origin, feature, *allowed);
    }
    return *allowed;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void EnginePage::answerPermission(QWebEnginePermission permission)
{
    const SiteFeature feature = permission.permissionType();
    if (allows(permission.origin(), int(feature), featureWords(feature)))
        permission.grant();
    else
        permission.deny();
}
#else
void EnginePage::answerPermission(const QUrl& origin, Feature feature)
{
    const bool allowed = allows(origin, int(feature), featureWords(feature));
    setFeaturePermission(origin, feature,
                         allowed ? PermissionGrantedByUser : PermissionDeniedByUser);
}
#endif

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
