#include "browsing/fullscreen_window.h"

#include "browsing/fullscreen_toolbar.h"
#include "core/errors.h"
#include "core/passphrase.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/browser_profile.h"
#include "platform/message_box.h"
#include "platform/program_info.h"
#include "platform/refusal_log.h"
#include "platform/window_system.h"
#include "widgets/colors.h"
#include "widgets/icons.h"
#include "widgets/mouse_label.h"
#include "widgets/page_note.h"
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kLampRed(255, 0, 0);
const QColor kLampBlue(0, 0, 255);
constexpr int kStripTwips = 10;
constexpr int kToolbarAboveBottom = 1400;
// How long going back from a refused page may take before the empty page replaces it.
constexpr int kRefusalCheckMs = 1000;

// The engine names a page without a title by its address, with or without the scheme, and a
// local file by its file name.
bool standsForAddress(const QString& title, const QString& address)
{
    const auto plain = [](const QUrl& url) {
        return url.adjusted(QUrl::RemoveScheme | QUrl::StripTrailingSlash)
            .toString()
            .remove(QRegularExpression(QStringLiteral("^//")));
    };
    const QUrl url(address);
    return plain(QUrl::fromUserInput(title)) == plain(url) ||
           (url.isLocalFile() && title == url.fileName());
}

// The strip is about one pixel high, and never less, whatever the screen's resolution.
int stripPixels()
{
    return std::max(1, Twips::toPixels(kStripTwips));
}

// One of the window's messages in the user's language.
QString shown(const QString& message)
{
    return FullScreenWindow::tr(message.toUtf8().constData());
}

} // namespace

FullScreenWindow::FullScreenWindow(BrowserProfile& profile, const SettingsStore& settings,
                                   const MachineSettingsSource& machine, RefusalLog& refusalLog,
                                   MessageBox& messages, const ProgramInfo& program,
                                   WindowSystem& windowSystem, ToolbarWindow& toolbar)
    : QWidget(nullptr, Qt::FramelessWindowHint), toolbarButton(new QPushButton(tr("&Q"), this)),
      browser(profile.createBrowser(this)), revealStrip(new MouseLabel(QString(), this)),
      pageNote(new PageNote(this)), lampTimer(new QTimer(this)), m_settings(settings),
      m_machineSource(machine), m_refusalLog(refusalLog), m_messages(messages), m_program(program),
      m_windowSystem(windowSystem), m_toolbar(toolbar), m_refusalCheck(new QTimer(this))
{
    setObjectName(QStringLiteral("FullScreenWindow"));
    setWindowTitle(Texts::kProductTitle);
    setWindowIcon(programIcon());
    setBackground(this, Qt::black);
    // Full-screen mode ends with this window, never the program: the frame is only hidden.
    setAttribute(Qt::WA_QuitOnClose, false);

    // The button lies under the page and serves its access key; the page keeps the focus.
    toolbarButton->setObjectName(QStringLiteral("toolbarButton"));
    toolbarButton->setGeometry(Twips::rect(2040, 3240, 1215, 615));
    toolbarButton->setFocusPolicy(Qt::NoFocus);
    toolbarButton->setAccessibleName(tr("Show toolbar"));
    connect(toolbarButton, &QPushButton::clicked, this, &FullScreenWindow::summonToolbar);
    browser->setObjectName(QStringLiteral("browser"));
    revealStrip->setObjectName(QStringLiteral("revealStrip"));
    setBackground(revealStrip, Qt::black);
    connect(revealStrip, &MouseLabel::clicked, this, &FullScreenWindow::toggleToolbar);
    connectBrowser();

    m_refusalCheck->setSingleShot(true);
    m_refusalCheck->setInterval(kRefusalCheckMs);
    connect(m_refusalCheck, &QTimer::timeout, this, &FullScreenWindow::endRefusal);
    lampTimer->setObjectName(QStringLiteral("lampTimer"));
    lampTimer->setInterval(100);
    connect(lampTimer, &QTimer::timeout, this, &FullScreenWindow::resetLamp);
    lampTimer->start();

    load();
}

void FullScreenWindow::connectBrowser()
{
    connect(browser, &BrowserControl::newWindowRequested, this, &FullScreenWindow::answerNewWindow);
    connect(browser, &BrowserControl::progressChanged, this, &FullScreenWindow::showProgress);
    connect(browser, &BrowserControl::titleChanged, this, &FullScreenWindow::checkTitle);
    connect(browser, &BrowserControl::navigationRefused, this,
            [this](const QString& address) { m_refusalLog.record(browser->title(), address, {}); });
    connect(browser, &BrowserControl::documentStarted, this, [this] {
        m_documentLeft = true;
        m_loading = true;
        browser->setPictureHeld(true);
    });
    // Going back may bring a page the engine kept, which starts no load: the request itself
    // says that the document is left.
    connect(browser, &BrowserControl::documentRequested, this, [this] {
        m_documentLeft = true;
        browser->setPictureHeld(true);
    });
    // A request that stays within the document (its own history entries) loads nothing.
    connect(browser, &BrowserControl::urlChanged, this, [this] {
        if (!m_loading)
            showPageIfPassed(browser->title(), true);
    });
}

void FullScreenWindow::load()
{
    m_machine = m_machineSource.read();
    QStringList entries = Restrictions::read(m_settings) + m_machine.restrictions;
    if (!m_machine.problem.isEmpty())
        entries.append(QString()); // refuses every page
    restrictions = RestrictionList(entries);
    browser->setGuard(leavingGuarded() ? AddressRules::Guard::Parent
                                       : AddressRules::Guard::FullScreen);
    coverScreen();
    placeBrowser();
    placeStrip();
    try {
        const QString commandLine = m_program.commandLine();
        if (commandLine.isEmpty())
            browser->goHome();
        else
            browser->navigate(commandLine);
        toolbar().setLeft(300);
        placeToolbarTop();
        revealStrip->raise();
    } catch (const PlatformError&) {
        ignoreFailure([this] { browser->goHome(); });
    }
}

void FullScreenWindow::navigate(const QString& address)
{
    browser->navigate(address);
}

void FullScreenWindow::openFromOutside(const QString& address)
{
    // Under a parent's passphrase nothing from outside comes in: a link clicked in another
    // program must not steer the guarded window.
    if (address.isEmpty() || leavingGuarded())
        return;
    try {
        browser->navigate(address);
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::shown(Texts::kCannotConnect));
    }
}

void FullScreenWindow::fitScreen()
{
    if (isMinimized())
        return;
    coverScreen();
    placeBrowser();
    placeStrip();
    revealStrip->raise();
    FullScreenToolbar& bar = toolbar();
    const double screenWidth = m_program.screenSizeTwips(this).width();
    bar.setLeft((screenWidth - outerSizeTwips(&bar).width()) / 2.0);
    placeToolbarTop();
}

void FullScreenWindow::coverScreen()
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    setGeometry(QRect(area.topLeft(), Twips::toPixels(m_program.screenSizeTwips(this))));
}

// Its lower edge lies below the screen's by the strip's height.
void FullScreenWindow::placeBrowser()
{
    browser->setGeometry(0, stripPixels(), width(), height());
    pageNote->placeOver(browser->geometry());
}

void FullScreenWindow::placeStrip()
{
    revealStrip->setGeometry(0, 0, width(), stripPixels());
}

void FullScreenWindow::placeToolbarTop()
{
    toolbar().setTop(outerSizeTwips(this).height() - kToolbarAboveBottom);
}

void FullScreenWindow::summonToolbar()
{
    FullScreenToolbar& bar = toolbar();
    if (bar.isVisible())
        bar.focusAddressBox();
    else
        showToolbar();
}

void FullScreenWindow::toggleToolbar()
{
    FullScreenToolbar& bar = toolbar();
    if (!bar.isVisible()) {
        showToolbar();
        return;
    }
    bar.focusAddressBox();
    if (bar.isVisible())
        bar.hide();
}

void FullScreenWindow::showToolbar()
{
    FullScreenToolbar& bar = toolbar();
    bar.show();
    bar.focusAddressBox();
    ignoreFailure([&] { m_windowSystem.makeTopmost(bar, *this); });
}

// The toolbar, loaded on first reference; what the user asks of it comes back to this window.
FullScreenToolbar& FullScreenWindow::toolbar()
{
    FullScreenToolbar& bar = m_toolbar.get(*browser);
    connect(&bar, &FullScreenToolbar::exitRequested, this, &FullScreenWindow::close,
            Qt::UniqueConnection);
    connect(&bar, &FullScreenToolbar::minimiseRequested, this, &FullScreenWindow::showMinimized,
            Qt::UniqueConnection);
    return bar;
}

void FullScreenWindow::resetLamp()
{
    toolbar().setLampColor(kLampBlue);
    lampTimer->stop();
}

// As in a browser window, a new window the user clicked for opens here, and one a script opened
// unasked stays closed. An address holding a restricted word is refused before it loads; any
// other page meets the title test as it comes in.
void FullScreenWindow::answerNewWindow(const QString& address, bool clicked)
{
    if (!clicked) {
        pageNote->showForAWhile(Texts::shown(Texts::kWindowBlocked));
        return;
    }
    if (!restrictions.matches(address).isEmpty()) {
        m_messages.show(this, shown(kRefusedMessage));
        return;
    }
    ignoreFailure([&] { browser->navigate(address); });
}

void FullScreenWindow::showProgress(int progress, int progressMax)
{
    m_loading = progress < progressMax;
    if (!m_loading)
        showPageIfPassed(browser->title(), true);
    toolbar().setLampColor(kLampRed);
    enable(lampTimer);
}

void FullScreenWindow::checkTitle(const QString& text)
{
    try {
        refuseRestricted(text);
        showPageIfPassed(text, false);
        currentTitle = browser->title();
        if (!titlesSeen.isEmpty()) {
            if (titlesSeen.contains(currentTitle))
                return;
            FullScreenToolbar& bar = toolbar();
            if (bar.isEnabled())
                bar.raise();
        }
        if (!currentTitle.startsWith(QLatin1String("http")) &&
            !currentTitle.startsWith(QLatin1String("HTTP")))
            titlesSeen.append(currentTitle);
    } catch (const PlatformError&) {
        m_messages.show(this, tr("IE Error"));
    }
}

// Every matching entry refuses the page once more, one box at a time. A refusal lasts until its
// check a moment later; the refused page's later titles then refuse nothing again, and while a
// box is open every matching title keeps the page away at once. The window's own empty page
// holds nothing to refuse; testing it would loop between it and the refused page when an entry
// is empty.
void FullScreenWindow::refuseRestricted(const QString& title)
{
    if (browser->url() == kRefusedPage) {
        endRefusal();
        return;
    }
    const QList<qsizetype> matched = restrictions.matches(title);
    if (matched.isEmpty() || (m_refusalCheck->isActive() && !m_refusalShown))
        return;
    if (m_refusalShown) {
        // A move back under way is left to finish; the check after the box makes sure.
        if (!m_movingBack)
            keepRefusedPageAway();
        return;
    }
    // The page may ask to stay, or show dialogs of its own; a refusal waits for none of them.
    browser->setLeavingUnasked(true);
    m_refusalCheck->start();
    m_documentLeft = false;
    m_refusedWhileLoading = m_loading;
    m_refusedAddress = browser->url();
    browser->skipInHistory(m_refusedAddress);
    bool replaced = false;
    const QString message = m_machine.problem.isEmpty()
                                ? shown(kRefusedMessage)
                                : shown(kUnreadableMessage).arg(m_machine.problem);
    for (const qsizetype entry : matched) {
        m_refusalLog.record(title, m_refusedAddress, restrictions.entries()[entry]);
        browser->stop();
        leaveRefusedPage(replaced);
        m_movingBack = !replaced;
        const QScopedValueRollback shown(m_refusalShown, true);
        m_messages.show(this, message);
    }
}

// The page stays unseen until its title has passed: a title of its own, or once it has loaded,
// its address, which stands for a title it lacks. Nothing of a page being refused passes.
void FullScreenWindow::showPageIfPassed(const QString& title, bool loaded)
{
    const QString address = browser->url();
    const bool refusing = m_refusalShown || m_refusalCheck->isActive();
    const bool passed = address == kRefusedPage || (!(refusing && address == m_refusedAddress) &&
                                                    restrictions.matches(title).isEmpty() &&
                                                    (loaded || !standsForAddress(title, address)));
    if (passed)
        browser->setPictureHeld(false);
}

// The refused page must be gone by now: going back may have stayed within its document, or not
// happened at all.
void FullScreenWindow::endRefusal()
{
    m_refusalCheck->stop();
    if ((!m_documentLeft && !refusedPageStopped()) || showsRefusedPage())
        keepRefusedPageAway(); // leaving stays unasked until the empty page is there
    else
        browser->setLeavingUnasked(false);
}

// A page refused while it still loads may never have shown (its first title is its address):
// once that address is gone again, stopping it has left it.
bool FullScreenWindow::refusedPageStopped() const
{
    return m_refusedWhileLoading && browser->url() != m_refusedAddress;
}

bool FullScreenWindow::showsRefusedPage() const
{
    return browser->url() != kRefusedPage && (!restrictions.matches(browser->title()).isEmpty() ||
                                              !restrictions.matches(browser->url()).isEmpty());
}

void FullScreenWindow::keepRefusedPageAway()
{
    ignoreFailure([this] { browser->stop(); });
    browser->navigate(kRefusedPage);
}

// Goes back; on the first page of the window, where there is no going back, the empty page
// takes the refused page's place, so that a refused page never stays on screen.
void FullScreenWindow::leaveRefusedPage(bool& replaced)
{
    if (!replaced) {
        try {
            browser->goBack();
            return;
        } catch (const BrowserError&) {
            replaced = true;
        }
    }
    browser->navigate(kRefusedPage); // again after a later stop, which may have cut it off
}

void FullScreenWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        fitScreen(); // restoring from minimised gives the screen back
}

// However it closes ("Exit", or the window manager), full-screen mode ends with it: the toolbar
// goes and the frame is told. Until it is deleted, the closed window handles nothing more, so
// nothing loads a toolbar again.
void FullScreenWindow::closeEvent(QCloseEvent* event)
{
    if (!m_mayLeave && leavingGuarded()) {
        event->ignore();
        askToLeave();
        return;
    }
    lampTimer->stop();
    browser->blockSignals(true);
    m_toolbar.unload();
    event->accept();
    emit unloaded();
}

bool FullScreenWindow::leavingGuarded() const
{
    return !m_machine.passphraseHash.isEmpty() || !m_machine.fileRead;
}

// Why no passphrase can be checked; empty when one can.
QString FullScreenWindow::guardDamage() const
{
    if (!m_machine.fileRead)
        return m_machine.problem;
    if (Passphrase::isDamaged(m_machine.passphraseHash))
        return tr("The stored hash of the parent passphrase is damaged.");
    return {};
}

void FullScreenWindow::askToLeave()
{
    if (const QString damage = guardDamage(); !damage.isEmpty()) {
        m_messages.show(this, shown(kGuardDamagedMessage).arg(damage));
        return;
    }
    if (findChild<PassphraseDialog*>())
        return; // already asking
    auto* dialog = new PassphraseDialog(m_machine.passphraseHash, m_tries, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        m_mayLeave = true;
        close();
    });
    dialog->open();
}

void FullScreenWindow::leaveWithoutQuestions()
{
    m_mayLeave = true;
    close();
}

void FullScreenWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitScreen();
}
