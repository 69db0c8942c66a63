#include "platform/real/webengine_browser.h"

#include "core/address_rules.h"
#include "core/errors.h"
#include "core/file_name.h"
#include "core/internet_settings.h"
#include "platform/browsing_memory.h"
#include "platform/real/engine_page.h"
#include "platform/real/freed_memory.h"
#include "platform/startup_log.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

constexpr qsizetype kEngineTitleCut = 4096;

// The index of the entry at this address nearest to the one given, or -1.
int nearestEntry(const QWebEngineHistory& history, const QUrl& url, int from)
{
    for (int distance = 0; distance < history.count(); ++distance) {
        for (const int index : {from - distance, from + distance}) {
            if (index >= 0 && index < history.count() && history.itemAt(index).url() == url)
                return index;
        }
    }
    return -1;
}

// Context menu entries that open other windows or tabs, which a browser window never does.
const QList<QWebEnginePage::WebAction> kNeverHere = {
    QWebEnginePage::OpenLinkInNewWindow,
    QWebEnginePage::OpenLinkInNewTab,
    QWebEnginePage::OpenLinkInNewBackgroundTab,
    QWebEnginePage::ViewSource,
};

// All a guarded page's context menu keeps: nothing that saves, opens elsewhere or inspects.
const QList<QWebEnginePage::WebAction> kGuardedMenu = {
    QWebEnginePage::Back,
    QWebEnginePage::Forward,
    QWebEnginePage::Reload,
    QWebEnginePage::Stop,
    QWebEnginePage::Cut,
    QWebEnginePage::Copy,
    QWebEnginePage::Paste,
    QWebEnginePage::SelectAll,
    QWebEnginePage::Undo,
    QWebEnginePage::Redo,
    QWebEnginePage::PasteAndMatchStyle,
};

// What assistive technology sees of the browser control: while the picture is held, the page
// under it, which may yet be refused, is not among its children.
class AccessibleBrowser : public QAccessibleWidget {
public:
    explicit AccessibleBrowser(WebEngineBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Client)
    {
    }

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override { return shownChildren().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!static_cast<const WebEngineBrowser*>(widget())->pictureHeld())
            return QAccessibleWidget::focusChild();
        for (QAccessibleInterface* child : shownChildren()) {
            if (child->state().focused)
                return child;
        }
        return nullptr;
    }

private:
    QList<QAccessibleInterface*> shownChildren() const
    {
        const bool held = static_cast<const WebEngineBrowser*>(widget())->pictureHeld();
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !(held && qobject_cast<QWebEngineView*>(child->object())))
                shown.append(child);
        }
        return shown;
    }
};

QAccessibleInterface* accessibleBrowser(const QString& className, QObject* object)
{
    if (className == QLatin1String("WebEngineBrowser"))
        return new AccessibleBrowser(static_cast<WebEngineBrowser*>(object));
    return nullptr;
}

QWidget* fillWith(QWidget* content, QWidget* window)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return window;
}

} // namespace

WebEngineBrowser::WebEngineBrowser(EnginePage* page, const SettingsStore& settings,
                                   BrowsingMemory& memory, QWidget* parent)
    : BrowserControl(parent), m_settings(settings), m_memory(memory),
      m_view(new QWebEngineView(this)), m_heldPicture(new QLabel(this)), m_page(page),
      m_leaveFullScreen(escapeLeavesFullScreen(m_view))
{
    QAccessible::installFactory(accessibleBrowser);
    m_page->setParent(m_view);
    m_view->setPage(m_page);
    connect(this, &QObject::destroyed, [] { FreedMemory::handBackSoon(); });
    fillWith(m_view, this);
    m_heldPicture->setObjectName(QStringLiteral("heldPicture"));
    m_heldPicture->setAccessibleName(tr("Page loading"));
    m_heldPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_heldPicture->setStyleSheet(QStringLiteral("background: black"));
    m_heldPicture->setFocusPolicy(Qt::StrongFocus); // keys meant for the page go nowhere
    m_heldPicture->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &WebEngineBrowser::showContextMenu);
    m_page->action(QWebEnginePage::DownloadLinkToDisk)->setText(tr("Save link as..."));
    m_leaveFullScreen->setContext(Qt::WidgetWithChildrenShortcut);
    m_leaveFullScreen->setEnabled(false);
    connectEngineEvents();
}

// A page still filling the screen goes back to its view before either goes. The view and its
// page go while this window is whole: the page answers its unanswered scripts as it goes.
WebEngineBrowser::~WebEngineBrowser()
{
    leavePageFullScreen();
    delete m_view;
}

void WebEngineBrowser::connectEngineEvents()
{
    connect(m_page, &QWebEnginePage::titleChanged, this, &WebEngineBrowser::passTitle);
    connect(m_page, &EnginePage::navigationRefused, this,
            [this](const QUrl& url) { emit navigationRefused(url.toString()); });
    connect(m_page, &QWebEnginePage::urlChanged, this,
            [this](const QUrl& url) { emit urlChanged(url.toString()); });
    connect(m_page, &EnginePage::documentRequested, this, &BrowserControl::documentRequested);
    connect(m_page, &EnginePage::documentRequested, this, &WebEngineBrowser::takeSiteZoom);
    // Not while the engine asks whether to go.
    connect(m_page, &EnginePage::skippedEntryRequested, this, &WebEngineBrowser::passOverSkipped,
            Qt::QueuedConnection);
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] {
        emit documentStarted();
        emit statusTextChanged(m_page->url().toString());
        emit progressChanged(0, 100);
    });
    connect(m_page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        emit statusTextChanged(m_page->url().toString());
        emit progressChanged(progress, 100);
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        emit progressChanged(100, 100); // a stopped or failed load ends short of it
        if (ok)
            StartupLog::milestone("first page loaded");
        if (m_page->zoomFactor() != m_zoomFactor)
            m_page->setZoomFactor(m_zoomFactor);
    });
    connect(m_page, &QWebEnginePage::urlChanged, this, &WebEngineBrowser::takeSiteZoom);
    connect(m_page, &QWebEnginePage::linkHovered, this, &BrowserControl::linkHovered);
    // Left unanswered, the request opens nothing; window.open() in the page gets no window.
    connect(m_page, &QWebEnginePage::newWindowRequested, this,
            [this](const QWebEngineNewWindowRequest& request) {
                emit newWindowRequested(request.requestedUrl().toString(),
                                        request.isUserInitiated());
            });
    connect(m_page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                emit findResult(result.activeMatch(), result.numberOfMatches());
            });
    connect(m_page, &QWebEnginePage::fullScreenRequested, this,
            &WebEngineBrowser::answerFullScreen);
    connect(m_page, &QWebEnginePage::printRequested, this, [this] {
        if (!m_guarded)
            printPage();
    });
    const auto finishPrinting = [this](bool printed) {
        m_printer.reset();
        emit printFinished(printed);
    };
    connect(m_view, &QWebEngineView::printFinished, this, finishPrinting);
    connect(m_page, &QWebEnginePage::pdfPrintingFinished, this,
            [finishPrinting](const QString&, bool printed) { finishPrinting(printed); });
}

// The engine cuts titles at this length; the page's own, read in the program's script world
// where the page cannot redefine it, is passed on in full after the cut one.
void WebEngineBrowser::passTitle(const QString& title)
{
    emit titleChanged(title);
    if (title.size() < kEngineTitleCut)
        return;
    m_page->runJavaScript(QStringLiteral("document.title"), QWebEngineScript::ApplicationWorld,
                          [self = QPointer<WebEngineBrowser>(this), title](const QVariant& whole) {
                              const QString text = whole.toString();
                              if (self && text.size() > title.size())
                                  emit self->titleChanged(text);
                          });
}

void WebEngineBrowser::navigate(const QString& typed)
{
    const QString address = AddressRules::resolved(typed, InternetSettings::searchPage(m_settings));
    if (const QString refusal = AddressRules::refusal(address, m_guard); !refusal.isEmpty())
        throw BrowserError(refusal);
    StartupLog::milestone("first page requested");
    const QUrl url = QUrl::fromUserInput(address);
    if (AddressRules::handedToDesktop(url))
        QDesktopServices::openUrl(url); // without a handler for it, nothing happens
    else
        m_page->load(url);
}

void WebEngineBrowser::goBack()
{
    if (!stepInHistory(m_page->history()->currentItemIndex(), -1))
        throw BrowserError(tr("There is no earlier page"));
}

void WebEngineBrowser::goForward()
{
    if (!stepInHistory(m_page->history()->currentItemIndex(), 1))
        throw BrowserError(tr("There is no later page"));
}

bool WebEngineBrowser::stepInHistory(int from, int by)
{
    QWebEngineHistory* history = m_page->history();
    for (int index = from + by; index >= 0 && index < history->count(); index += by) {
        const QWebEngineHistoryItem item = history->itemAt(index);
        if (m_page->skippedInHistory(item.url()))
            continue;
        history->goToItem(item);
        return true;
    }
    return false;
}

// The move goes on past the skipped entry, the same way. Until the refusal is through some
// engines count the entry aimed at as current; the entry shown is the nearest at the page's
// address.
void WebEngineBrowser::passOverSkipped(const QUrl& url)
{
    const QWebEngineHistory& history = *m_page->history();
    const int shown = nearestEntry(history, m_page->url(), history.currentItemIndex());
    const int aimedAt = nearestEntry(history, url, shown);
    if (shown >= 0 && aimedAt >= 0)
        stepInHistory(aimedAt, aimedAt < shown ? -1 : 1);
}

void WebEngineBrowser::goHome()
{
    navigate(InternetSettings::homePage(m_settings));
}

void WebEngineBrowser::goSearch()
{
    navigate(InternetSettings::searchPage(m_settings));
}

void WebEngineBrowser::refresh()
{
    m_page->reloadPage();
}

void WebEngineBrowser::stop()
{
    m_page->triggerAction(QWebEnginePage::Stop);
}

QString WebEngineBrowser::title() const
{
    return m_page->title();
}

QString WebEngineBrowser::url() const
{
    return m_page->url().toString();
}

void WebEngineBrowser::setLeavingUnasked(bool unasked)
{
    m_page->setAnswerUnasked(unasked);
}

void WebEngineBrowser::setGuard(AddressRules::Guard guard)
{
    m_guard = guard;
    m_guarded = guard != AddressRules::Guard::None;
    m_page->setGuard(guard);
}

// The picture covers the view rather than take its place: the engine loads a hidden page and
// tells its title a second later, and the page would show that much later. The picture is taken
// once, before anything new can reach it.
void WebEngineBrowser::setPictureHeld(bool held)
{
    if (held == pictureHeld())
        return;
    if (held)
        holdPicture();
    else
        releasePicture();
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder); // the page left, or is back
    QAccessible::updateAccessibility(&reorder);
}

bool WebEngineBrowser::pictureHeld() const
{
    return !m_heldPicture->isHidden();
}

void WebEngineBrowser::holdPicture()
{
    m_viewHadFocus =
        m_view->hasFocus() || (m_view->focusProxy() && m_view->focusProxy()->hasFocus());
    m_heldPicture->setPixmap(m_view->isVisible() ? m_view->grab() : QPixmap());
    m_heldPicture->setGeometry(rect());
    m_heldPicture->raise();
    m_heldPicture->show();
    if (m_viewHadFocus)
        m_heldPicture->setFocus();
}

void WebEngineBrowser::releasePicture()
{
    m_heldPicture->hide();
    m_heldPicture->clear();
    if (m_viewHadFocus)
        m_view->setFocus();
}

void WebEngineBrowser::resizeEvent(QResizeEvent* event)
{
    BrowserControl::resizeEvent(event);
    m_heldPicture->setGeometry(rect());
}

void WebEngineBrowser::skipInHistory(const QString& address)
{
    m_page->skipInHistory(QUrl(address));
}

void WebEngineBrowser::findText(const QString& text, bool backward)
{
    m_page->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
    if (text.isEmpty())
        emit findResult(0, 0);
}

// The zoom chosen is the site's, also in later sessions. Qt 6.8 may name a page's title before
// its address; the site asked for then stands for it.
void WebEngineBrowser::setZoomFactor(double factor)
{
    m_zoomFactor = factor;
    m_page->setZoomFactor(factor);
    if (!m_page->url().isEmpty())
        m_zoomHost = m_page->url().host();
    m_memory.setZoomFactor(m_zoomHost, factor);
}

// Another site opens at the zoom kept for it, or as it is.
void WebEngineBrowser::takeSiteZoom(const QUrl& url)
{
    if (url.host() == m_zoomHost)
        return;
    m_zoomHost = url.host();
    m_zoomFactor = m_memory.zoomFactor(m_zoomHost);
    m_page->setZoomFactor(m_zoomFactor);
}

// One page prints at a time; the printer lives until the engine has finished with it.
void WebEngineBrowser::printPage()
{
    if (m_printer)
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The dialog names a PDF file after the document, less its extension.
    printer->setDocName(fileNameFromTitle(m_page->title()) + QStringLiteral(".pdf"));
    QPrintDialog dialog(printer.get(), this);
    dialog.setWindowTitle(tr("Print %1").arg(m_page->title()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_printer = std::move(printer);
    // The engine's own PDF keeps the page's text; painted on a PDF printer it becomes pictures.
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        m_page->printToPdf(m_printer->outputFileName(), m_printer->pageLayout(),
                           m_printer->pageRanges());
    else
        m_view->print(m_printer.get());
}

void WebEngineBrowser::showContextMenu(const QPoint& position)
{
    QMenu* menu = m_view->createStandardContextMenu();
    for (QWebEnginePage::WebAction action : kNeverHere)
        menu->removeAction(m_page->action(action));
    // In place of the entries that open other windows: the link in this one.
    const QWebEngineContextMenuRequest* request = m_view->lastContextMenuRequest();
    if (!m_guarded && request && request->linkUrl().isValid()) {
        QAction* openLink = m_page->action(QWebEnginePage::OpenLinkInThisWindow);
        openLink->setText(tr("Open link"));
        menu->insertAction(menu->actions().value(0), openLink);
    }
    if (m_guarded) {
        QList<QAction*> kept;
        for (QWebEnginePage::WebAction action : kGuardedMenu)
            kept.append(m_page->action(action));
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && !kept.contains(action))
                menu->removeAction(action);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_view->mapToGlobal(position));
}

// In a browser window the page's element gets a window of its own over the whole screen, and
// the browser window stays as it was; the full-screen window already covers the screen.
void WebEngineBrowser::answerFullScreen(QWebEngineFullScreenRequest request)
{
    request.accept();
    if (m_guarded) {
        m_leaveFullScreen->setEnabled(request.toggleOn());
        return;
    }
    if (!request.toggleOn()) {
        leavePageFullScreen();
        return;
    }
    if (m_fullScreen)
        return;
    auto* view = new QWebEngineView;
    m_fullScreen = fillWith(view, new QWidget(this, Qt::Window));
    m_fullScreen->setObjectName(QStringLiteral("pageFullScreen"));
    m_fullScreen->setWindowTitle(m_page->title());
    escapeLeavesFullScreen(m_fullScreen);
    view->setPage(m_page);
    m_fullScreen->showFullScreen();
    view->setFocus();
}

// Esc in the scope asks the page to leave its full screen.
QShortcut* WebEngineBrowser::escapeLeavesFullScreen(QWidget* scope)
{
    auto* shortcut = new QShortcut(Qt::Key_Escape, scope);
    connect(shortcut, &QShortcut::activated, this,
            [this] { m_page->triggerAction(QWebEnginePage::ExitFullScreen); });
    return shortcut;
}

void WebEngineBrowser::leavePageFullScreen()
{
    if (!m_fullScreen)
        return;
    m_view->setPage(m_page);
    delete m_fullScreen;
    m_view->setFocus();
}
