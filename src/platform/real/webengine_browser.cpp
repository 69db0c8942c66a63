#include "platform/real/webengine_browser.h"

#include "core/address_rules.h"
#include "core/errors.h"
#include "core/internet_settings.h"
#include "platform/real/engine_page.h"
#include "platform/real/freed_memory.h"

#include <QDesktopServices>
#include <QVBoxLayout>
#include <QWebEngineCookieStore>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Addresses with any other scheme (mailto:, tel:, ...) belong to the desktop's own handlers.
bool engineLoads(const QUrl& url)
{
    static const QStringList schemes = {
        QStringLiteral("http"), QStringLiteral("https"),       QStringLiteral("file"),
        QStringLiteral("qrc"),  QStringLiteral("data"),        QStringLiteral("about"),
        QStringLiteral("blob"), QStringLiteral("view-source"),
    };
    return schemes.contains(url.scheme(), Qt::CaseInsensitive);
}

} // namespace

WebEngineBrowser::WebEngineBrowser(const SettingsStore& settings, QWidget* parent)
    : BrowserControl(parent), m_settings(settings), m_view(new QWebEngineView(this)),
      m_page(new EnginePage(m_view))
{
    m_view->setPage(m_page);
    connect(this, &QObject::destroyed, [] { FreedMemory::handBackSoon(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connectEngineEvents();
}

void WebEngineBrowser::connectEngineEvents()
{
    QWebEnginePage* page = m_view->page();
    connect(m_view, &QWebEngineView::titleChanged, this, &BrowserControl::TitleChange);
    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        emit NewDocument();
        emit StatusTextChange(m_view->url().toString());
    });
    connect(page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        emit StatusTextChange(m_view->url().toString());
        emit ProgressChange(progress, 100);
    });
    connect(page, &QWebEnginePage::linkHovered, this, &BrowserControl::StatusTextChange);
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                bool cancel = false;
                emit NewWindow2(&cancel);
                if (!cancel)
                    m_view->load(request.requestedUrl());
            });
}

void WebEngineBrowser::Navigate(const QString& typed)
{
    const QString address = AddressRules::cleaned(typed);
    if (const QString refusal = AddressRules::refusal(address, m_guarded); !refusal.isEmpty())
        throw BrowserError(refusal);
    const QUrl url = QUrl::fromUserInput(address);
    if (engineLoads(url))
        m_view->load(url);
    else
        QDesktopServices::openUrl(url); // without a handler for it, nothing happens
}

void WebEngineBrowser::GoBack()
{
    if (!m_view->history()->canGoBack())
        throw BrowserError(QStringLiteral("There is no earlier page"));
    m_view->back();
}

void WebEngineBrowser::GoForward()
{
    if (!m_view->history()->canGoForward())
        throw BrowserError(QStringLiteral("There is no later page"));
    m_view->forward();
}

void WebEngineBrowser::GoHome()
{
    Navigate(InternetSettings::homePage(m_settings));
}

void WebEngineBrowser::GoSearch()
{
    Navigate(InternetSettings::searchPage(m_settings));
}

void WebEngineBrowser::Refresh()
{
    m_view->reload();
}

void WebEngineBrowser::Stop()
{
    m_view->stop();
}

QString WebEngineBrowser::LocationName() const
{
    return m_view->title();
}

QString WebEngineBrowser::LocationURL() const
{
    return m_view->url().toString();
}

void WebEngineBrowser::setLeavingUnasked(bool unasked)
{
    m_page->setAnswerUnasked(unasked);
}

BrowserControl* WebEngineProfile::createBrowser(QWidget* parent)
{
    return new WebEngineBrowser(m_settings, parent);
}

void WebEngineProfile::clearBrowsingData()
{
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    profile->clearHttpCache();
    profile->cookieStore()->deleteAllCookies();
    profile->clearAllVisitedLinks();
}
