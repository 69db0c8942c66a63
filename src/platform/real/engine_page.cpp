#include "platform/real/engine_page.h"

#include "platform/message_box.h"
#include "platform/real/permission_memory.h"

#include <QAuthenticator>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

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
    {Notifications, QT_TRANSLATE_NOOP("EnginePage", "show notifications")},
    {Geolocation, QT_TRANSLATE_NOOP("EnginePage", "know your location")},
    {MediaAudioCapture, QT_TRANSLATE_NOOP("EnginePage", "use your microphone")},
    {MediaVideoCapture, QT_TRANSLATE_NOOP("EnginePage", "use your camera")},
    {MediaAudioVideoCapture, QT_TRANSLATE_NOOP("EnginePage", "use your camera and microphone")},
    {MouseLock, QT_TRANSLATE_NOOP("EnginePage", "hide and lock the mouse pointer")},
    {DesktopVideoCapture, QT_TRANSLATE_NOOP("EnginePage", "share your screen")},
    {DesktopAudioVideoCapture, QT_TRANSLATE_NOOP("EnginePage", "share your screen and its sound")},
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    {ClipboardReadWrite, QT_TRANSLATE_NOOP("EnginePage", "read and change your clipboard")},
    {LocalFontsAccess, QT_TRANSLATE_NOOP("EnginePage", "see the fonts installed on your computer")},
#endif
};

// In English whatever the language: remembered answers are kept under these words.
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
        return EnginePage::tr("The certificate is not trusted.");
    case QWebEngineCertificateError::CertificateDateInvalid:
        return EnginePage::tr("The certificate has expired, or is not valid yet.");
    case QWebEngineCertificateError::CertificateCommonNameInvalid:
        return EnginePage::tr("The certificate is for another site.");
    case QWebEngineCertificateError::CertificateRevoked:
        return EnginePage::tr("The certificate has been revoked.");
    default:
        return error.description();
    }
}

QString stopReason(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode)
{
    switch (status) {
    case QWebEnginePage::CrashedTerminationStatus:
        return EnginePage::tr("its renderer crashed");
    case QWebEnginePage::KilledTerminationStatus:
        return EnginePage::tr("its renderer was killed");
    default:
        return EnginePage::tr("its renderer ended with status %1").arg(exitCode);
    }
}

QString loginPrompt(const QString& site, const QString& realm, const QString& proxy, bool again)
{
    QString prompt =
        proxy.isEmpty()
            ? EnginePage::tr("%1 asks for a user name and password.").arg(site)
            : EnginePage::tr("The proxy %1 asks for a user name and password to reach %2.")
                  .arg(proxy, site);
    if (!realm.isEmpty()) // the site's own words
        prompt +=
            QStringLiteral("\n\n") + (proxy.isEmpty() ? EnginePage::tr("The site says: \"%1\"")
                                                      : EnginePage::tr("It says: \"%1\""))
                                         .arg(realm);
    if (again)
        prompt.prepend(EnginePage::tr("The user name or password was not accepted.") +
                       QStringLiteral("\n\n"));
    return prompt;
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
    // The engine reads the answer when the handler returns.
    connect(this, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* login) { answerLogin(url, login, {}); });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this, &EnginePage::answerLogin);
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_loginGiven.clear(); });
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
    // The engine hands "mailto:", "magnet:" and the like to xdg-open once
    // acceptNavigationRequest() lets them go. A guarded page has every one asked there, clicked
    // or not, and refuses it as any other address; the engine's own refusal would say nothing.
    settings()->setUnknownUrlSchemePolicy(
        m_guarded ? QWebEngineSettings::AllowAllUnknownUrlSchemes
                  : QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
}

// Links, redirects, forms and scripts of a guarded page lead only where a typed address could;
// frames inside a page may also hold the engine's blank and generated documents.
bool EnginePage::accepts(const QUrl& url, NavigationType type, bool isMainFrame)
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

// A "#" link stays within the document shown.
bool EnginePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (isMainFrame && type == NavigationTypeBackForward && m_skipped.contains(url)) {
        emit skippedEntryRequested(url);
        return false;
    }
    if (!accepts(url, type, isMainFrame))
        return false;
    const bool withinDocument =
        type != NavigationTypeReload && url.hasFragment() &&
        url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
    if (isMainFrame && !withinDocument && !AddressRules::handedToDesktop(url))
        emit documentRequested(url);
    return true;
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
// user ticks "Remember this decision". It is kept under the question's words, which name a
// feature alike whichever engine asks.
bool EnginePage::allows(const QUrl& origin, const QString& words)
{
    if (m_guarded)
        return false;
    std::optional<bool> allowed = m_permissions.permission(origin, words);
    if (!allowed) {
        const QString prompt =
            tr("%1 wants to %2.")
                .arg(origin.toDisplayString(QUrl::RemovePath), tr(qPrintable(words)));
        const QStringList choices = {tr("Allow"), tr("Deny")};
        bool lasting = false;
        allowed = m_messages.chooseWithCheckBox(windowOf(this), prompt, choices, 1,
                                                tr(kRememberDecision), &lasting) == 0;
        m_permissions.rememberPermission(origin, words, *allowed, lasting);
    }
    return *allowed;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void EnginePage::answerPermission(QWebEnginePermission permission)
{
    const SiteFeature feature = permission.permissionType();
    if (allows(permission.origin(), featureWords(feature)))
        permission.grant();
    else
        permission.deny();
}
#else
void EnginePage::answerPermission(const QUrl& origin, Feature feature)
{
    const bool allowed = allows(origin, featureWords(feature));
    setFeaturePermission(origin, feature,
                         allowed ? PermissionGrantedByUser : PermissionDeniedByUser);
}
#endif

// Going back is the default; going on is offered only where the engine allows an exception,
// which then lasts until the program ends.
void EnginePage::answerCertificateError(QWebEngineCertificateError error)
{
    QStringList choices = {tr("Go back")};
    if (error.isOverridable())
        choices.append(tr("Continue anyway"));
    const QString prompt = tr("The connection to %1 is not secure.\n\n%2")
                               .arg(error.url().host(), certificateText(error));
    if (m_messages.choose(windowOf(this), prompt, choices, 0) == 1)
        return error.acceptCertificate();
    error.rejectCertificate();
    if (history()->canGoBack())
        triggerAction(Back);
}

// Cancelled, or answered with nothing, the site shows its own page for those without a login;
// the engine is never left to send an empty one.
void EnginePage::answerLogin(const QUrl& url, QAuthenticator* login, const QString& proxy)
{
    const QString site = url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath |
                                             QUrl::RemoveQuery | QUrl::RemoveFragment);
    const QString asker = (proxy.isEmpty() ? site : proxy) + u'\n' + login->realm();
    const bool again = std::exchange(m_loginGiven, QString()) == asker;
    std::optional<MessageBox::Login> answer;
    if (!m_guarded)
        answer =
            m_messages.askLogin(windowOf(this), loginPrompt(site, login->realm(), proxy, again));
    if (!answer || (answer->user.isEmpty() && answer->password.isEmpty())) {
        *login = QAuthenticator();
        return;
    }
    m_loginGiven = asker;
    login->setUser(answer->user);
    login->setPassword(answer->password);
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
                           "<h2>%1: %2</h2><p><a href=\"%3\">%4</a></p></body></html>")
                .arg(tr(kStoppedTitle.toUtf8().constData()),
                     stopReason(status, exitCode).toHtmlEscaped(), address,
                     tr("Reload").toHtmlEscaped()),
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

// The engine keeps a web page from local files itself, before acceptNavigationRequest() is
// asked, and says so only on the page's console; a guarded page reports it as its own
// refusals. A picture or frame from a local file is reported alike.
void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString& message, int line, const QString& source)
{
    static const QString localRefused = QStringLiteral("Not allowed to load local resource: ");
    if (m_guarded && level == ErrorMessageLevel && message.startsWith(localRefused))
        emit navigationRefused(QUrl(message.mid(localRefused.size())));
    QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
}

bool EnginePage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                                  QString* result)
{
    return !m_answerUnasked && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}
