#include "browsing/browser_window.h"

#include "browsing/address_completion.h"
#include "browsing/find_bar.h"
#include "core/address_display.h"
#include "core/address_rules.h"
#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/browser_profile.h"
#include "platform/message_box.h"
#include "platform/program_info.h"
#include "platform/shell.h"
#include "platform/startup_log.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/key_down_filter.h"
#include "widgets/line_shape.h"
#include "widgets/page_note.h"
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kPanelWidth = 8415;
constexpr int kPanelHeight = 615;
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 192);
// How long the loading bar stays dark blue between its flashes while a page loads.
constexpr int kLoadingFlickerMs = 50;
// The page's magnifications, smallest first; 1 is the page as it is.
constexpr std::array kZoomSteps = {0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                   1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0, 5.0};

QToolButton* pictureButton(const char* name, int left, int width, const QString& tooltip,
                           const QIcon& icon, QWidget* panel)
{
    auto* button = new QToolButton(panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(Twips::rect(left, 0, width, kPanelHeight));
    button->setToolTip(tooltip);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    return button;
}

// One of the window's fixed texts in the user's language.
QString shown(const QString& text)
{
    return BrowserWindow::tr(text.toUtf8().constData());
}

} // namespace

BrowserWindow::BrowserWindow(BrowserProfile& profile, BrowsingMemory& memory, MessageBox& messages,
                             Shell& shell, const ProgramInfo& program, QWidget* parent)
    : QWidget(parent), buttonPanel(new QWidget(this)), addressBox(new QComboBox(buttonPanel)),
      addressCompletion(new AddressCompletion(addressBox, memory, this)),
      loadingBar(new LineShape({4200, 480}, {120, 480}, 15, kDarkBlue, buttonPanel)),
      backButton(pictureButton("backButton", 4320, 495, tr("Go Backward"),
                               themedIcon(QStringLiteral("go-previous"), QStyle::SP_ArrowBack),
                               buttonPanel)),
      stopButton(pictureButton("stopButton", 4800, 495, tr("Stop Loading Page"),
                               themedIcon(QStringLiteral("process-stop"), QStyle::SP_BrowserStop),
                               buttonPanel)),
      forwardButton(pictureButton("forwardButton", 5280, 495, tr("Go Foreward"),
                                  themedIcon(QStringLiteral("go-next"), QStyle::SP_ArrowForward),
                                  buttonPanel)),
      homeButton(pictureButton(
          "homeButton", 5760, 495, tr("Go Home"),
          themedIcon(QStringLiteral("go-home"), QStringLiteral(":/icons/home.svg")), buttonPanel)),
      reloadButton(pictureButton(
          "reloadButton", 6240, 495, tr("Reload Page"),
          themedIcon(QStringLiteral("view-refresh"), QStyle::SP_BrowserReload), buttonPanel)),
      searchButton(pictureButton(
          "searchButton", 6720, 495, tr("Search the Web"),
          themedIcon(QStringLiteral("system-search"), QStringLiteral(":/icons/search.svg")),
          buttonPanel)),
      settingsButton(pictureButton("settingsButton", 7320, 495, tr("Change IE4 Settings"),
                                   themedIcon(QStringLiteral("preferences-system-network"),
                                              QStringLiteral(":/icons/settings.svg")),
                                   buttonPanel)),
      mailButton(
          pictureButton("mailButton", 7800, 615, tr("Send E-mail"),
                        themedIcon(QStringLiteral("mail-send"), QStringLiteral(":/icons/mail.svg")),
                        buttonPanel)),
      loadingBarTimer(new QTimer(this)), browser(profile.createBrowser(this)),
      findBar(new FindBar(*browser, this)), pageNote(new PageNote(this)), m_messages(messages),
      m_shell(shell), m_program(program)
{
    setObjectName(QStringLiteral("BrowserWindow"));
    setProperty("Tag", QStringLiteral("Browser"));
    setWindowTitle(shown(kFirstCaption));
    setWindowIcon(programIcon());
    buttonPanel->setObjectName(QStringLiteral("buttonPanel"));
    buttonPanel->setGeometry(Twips::rect(0, 0, kPanelWidth, kPanelHeight));
    setBackground(buttonPanel, kLightGrey);
    loadingBar->setObjectName(QStringLiteral("loadingBar"));
    loadingBarTimer->setObjectName(QStringLiteral("loadingBarTimer"));
    browser->setObjectName(QStringLiteral("browser"));

    createAddressBox();
    createButtons();
    nameControls();
    connectBrowser();
    createShortcuts();
    connect(addressCompletion, &AddressCompletion::chosen, this, [this](const QString& address) {
        addressBox->setEditText(address);
        handleAddressKey(kEnterKeyCode);
    });
    connect(findBar, &FindBar::opened, this, &BrowserWindow::layOutContents);
    connect(findBar, &FindBar::closed, this, [this] {
        layOutContents();
        browser->setFocus();
    });

    loadingBarTimer->setInterval(200);
    connect(loadingBarTimer, &QTimer::timeout, this, &BrowserWindow::resetLoadingBar);
    loadingBarTimer->start();
}

void BrowserWindow::createAddressBox()
{
    addressBox->setObjectName(QStringLiteral("addressBox"));
    addressBox->setGeometry(Twips::rect(0, 0, 4335, 360));
    addressBox->setEditable(true);
    addressBox->setInsertPolicy(QComboBox::NoInsert); // Enter adds to the list in sorted order
    addressBox->setCompleter(nullptr);                // Enter passes the text exactly as typed
    addressBox->setFont(msSansSerif(9.75, true));
    setBackground(addressBox, Qt::black);
    setTextColor(addressBox, QColor(255, 255, 192));
    addressBox->setEditText(shown(kFirstAddressText));
    // An entry picked from the list waits for Enter as a typed one does.
    connect(addressBox, &QComboBox::textActivated, addressBox->lineEdit(),
            [this] { addressBox->lineEdit()->setModified(true); });
    onKeyDown(addressBox, [this](int code) { handleAddressKey(code); });
    addressBox->installEventFilter(this);
}

// While the box holds its first text, taking the focus selects it, so typing replaces it.
bool BrowserWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && addressBox->currentText() == shown(kFirstAddressText))
        QTimer::singleShot(0, addressBox->lineEdit(), &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

// Window-wide keys, and Esc only in the page: the address box and the panel keep theirs.
void BrowserWindow::createShortcuts()
{
    const auto bind = [this](QWidget* scope, QKeyCombination keys, auto handler) {
        auto* shortcut = new QShortcut(keys, scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    bind(this, Qt::CTRL | Qt::Key_F, [this] { findBar->open(); });
    bind(this, Qt::CTRL | Qt::Key_L, &BrowserWindow::focusAddressBox);
    bind(this, Qt::CTRL | Qt::Key_Plus, [this] { zoomBy(1); });
    bind(this, Qt::CTRL | Qt::Key_Equal, [this] { zoomBy(1); });
    bind(this, Qt::CTRL | Qt::Key_Minus, [this] { zoomBy(-1); });
    bind(this, Qt::CTRL | Qt::Key_0, [this] { browser->setZoomFactor(1); });
    bind(this, Qt::CTRL | Qt::Key_P, [this] { browser->printPage(); });
    bind(this, Qt::ALT | Qt::Key_Left, &BrowserWindow::goBack);
    bind(this, Qt::ALT | Qt::Key_Right, &BrowserWindow::goForward);
    bind(this, QKeyCombination(Qt::Key_F5), &BrowserWindow::reload);
    bind(browser, QKeyCombination(Qt::Key_Escape), &BrowserWindow::stopLoading);
}

void BrowserWindow::focusAddressBox()
{
    addressBox->setFocus(Qt::ShortcutFocusReason);
    addressBox->lineEdit()->selectAll();
}

void BrowserWindow::zoomBy(int steps)
{
    const double now = browser->zoomFactor();
    const bool larger = steps > 0;
    double next = larger ? kZoomSteps.back() : kZoomSteps.front();
    for (const double zoom : kZoomSteps) {
        if (larger ? zoom > now + 0.001 && zoom < next : zoom < now - 0.001 && zoom > next)
            next = zoom;
    }
    browser->setZoomFactor(next);
}

void BrowserWindow::createButtons()
{
    connect(stopButton, &QToolButton::clicked, this, &BrowserWindow::stopLoading);
    connect(forwardButton, &QToolButton::clicked, this, &BrowserWindow::goForward);
    connect(backButton, &QToolButton::clicked, this, &BrowserWindow::goBack);
    connect(homeButton, &QToolButton::clicked, this, &BrowserWindow::goHome);
    connect(reloadButton, &QToolButton::clicked, this, &BrowserWindow::reload);
    connect(searchButton, &QToolButton::clicked, this, &BrowserWindow::searchWeb);
    connect(settingsButton, &QToolButton::clicked, this, &BrowserWindow::showInternetOptions);
    connect(mailButton, &QToolButton::clicked, this, &BrowserWindow::sendMail);
}

// The picture buttons show only icons and the box shows what was typed: assistive technology
// hears what each one is for. The tooltips stay as they are.
void BrowserWindow::nameControls()
{
    const std::pair<QWidget*, QString> names[] = {{addressBox, tr("Address")},
                                                  {addressBox->lineEdit(), tr("Address")},
                                                  {addressBox->view(), tr("Addresses entered")},
                                                  {backButton, tr("Back")},
                                                  {stopButton, tr("Stop")},
                                                  {forwardButton, tr("Forward")},
                                                  {homeButton, tr("Home")},
                                                  {reloadButton, tr("Reload")},
                                                  {searchButton, tr("Search")},
                                                  {settingsButton, tr("Internet options")},
                                                  {mailButton, tr("Send e-mail")}};
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
}

void BrowserWindow::connectBrowser()
{
    connect(browser, &BrowserControl::newWindowRequested, this, &BrowserWindow::answerNewWindow);
    connect(browser, &BrowserControl::statusTextChanged, this, &BrowserWindow::flashLoadingBar);
    connect(browser, &BrowserControl::progressChanged, this, &BrowserWindow::followProgress);
    connect(browser, &BrowserControl::titleChanged, this, &BrowserWindow::showTitle);
    connect(browser, &BrowserControl::urlChanged, this, &BrowserWindow::showPageAddress);
    connect(browser, &BrowserControl::linkHovered, this, &BrowserWindow::showLinkAddress);
    connect(browser, &BrowserControl::printFinished, this, [this](bool printed) {
        if (!printed)
            m_messages.show(this, tr("The page could not be printed."));
    });
}

void BrowserWindow::goHome()
{
    browser->goHome();
}

void BrowserWindow::navigate(const QString& address)
{
    browser->navigate(address);
}

void BrowserWindow::setAddressText(const QString& text)
{
    addressBox->setEditText(text);
}

QString BrowserWindow::address() const
{
    return browser->url();
}

void BrowserWindow::takeFirstSize()
{
    const QSize screen = m_program.screenSizeTwips(this);
    setOuterSizeTwips(this, QSize(screen.width() * 3 / 4, screen.height() * 3 / 4));
}

void BrowserWindow::layOutContents()
{
    if (isMinimizedWindow(this))
        return;
    const QSize outer = outerSizeTwips(this);
    // A window too small for the page gives it no room rather than a negative size.
    QRect page = Twips::rect(0, kPanelHeight, std::max(0, outer.width() - 100),
                             std::max(0, outer.height() - 1015));
    if (!findBar->isHidden()) {
        findBar->setGeometry(page.left(), page.top(), page.width(), findBar->sizeHint().height());
        page.setTop(page.top() + findBar->height());
        page.setHeight(std::max(0, page.height()));
    }
    browser->setGeometry(page);
    pageNote->placeOver(page);
    buttonPanel->move(Twips::toPixels((outer.width() - kPanelWidth) / 2.0), buttonPanel->y());
}

void BrowserWindow::handleAddressKey(int keyCode)
{
    if (keyCode != kEnterKeyCode)
        return;
    addressCompletion->hide();
    const QString text = addressBox->currentText();
    try {
        browser->navigate(text);
        const QString shown = AddressDisplay::withoutPassword(text);
        addressBox->insertItem(m_order.insertionRow(*addressBox->model(), shown), shown);
        addressBox->setEditText(shown);
        addressBox->lineEdit()->setSelection(0, static_cast<int>(shown.size()));
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::shown(Texts::kCannotConnect));
    }
}

void BrowserWindow::stopLoading()
{
    ignoreFailure([this] { browser->stop(); });
}

void BrowserWindow::goForward()
{
    ignoreFailure([this] { browser->goForward(); });
}

void BrowserWindow::goBack()
{
    ignoreFailure([this] { browser->goBack(); });
}

void BrowserWindow::reload()
{
    browser->refresh();
}

void BrowserWindow::searchWeb()
{
    browser->goSearch();
}

void BrowserWindow::showInternetOptions()
{
    m_shell.openControlPanelItem(Shell::kInternetOptions);
}

void BrowserWindow::sendMail()
{
    ignoreFailure([this] { browser->navigate(QStringLiteral("mailto:")); });
}

// While a page loads, the bar turns red again a moment later, so it flickers until the load ends.
void BrowserWindow::resetLoadingBar()
{
    loadingBar->setColor(kDarkBlue);
    if (m_pageLoading)
        QTimer::singleShot(kLoadingFlickerMs, this, [this] {
            if (m_pageLoading)
                flashLoadingBar({});
        });
}

void BrowserWindow::followProgress(int progress, int progressMax)
{
    m_pageLoading = progress < progressMax;
    if (m_pageLoading)
        flashLoadingBar({});
}

// A page never opens a window of its own: what the user's click asked for opens here, and a
// window a script opened unasked stays closed, which the window says for a moment.
void BrowserWindow::answerNewWindow(const QString& address, bool clicked)
{
    if (clicked)
        ignoreFailure([&] { browser->navigate(address); });
    else
        pageNote->showForAWhile(Texts::shown(Texts::kWindowBlocked));
}

void BrowserWindow::showPageAddress(const QString& address)
{
    if (isAddressBeingTyped())
        return;
    const QString displayed = AddressDisplay::ofPage(address);
    addressBox->setEditText(displayed.isEmpty() ? shown(kFirstAddressText) : displayed);
    if (addressBox->lineEdit()->hasFocus())
        addressBox->lineEdit()->selectAll(); // typing replaces it, as after Enter
}

// Typed text that has not been sent with Enter; once the box loses the focus, the page's
// next address replaces it.
bool BrowserWindow::isAddressBeingTyped() const
{
    const QLineEdit* edit = addressBox->lineEdit();
    return edit->hasFocus() && edit->isModified();
}

void BrowserWindow::showLinkAddress(const QString& address)
{
    pageNote->showText(AddressDisplay::withoutPassword(address));
}

void BrowserWindow::flashLoadingBar(const QString&)
{
    loadingBar->setColor(kRed);
    enable(loadingBarTimer);
}

void BrowserWindow::showTitle(const QString&)
{
    setWindowTitle(browser->title());
    noteTitleShown();
}

// Start-up is measured until a page's own title is on screen, not merely its address.
void BrowserWindow::noteTitleShown() const
{
    const QString title = windowTitle();
    if (isVisible() && title != shown(kFirstCaption) && title != browser->url())
        StartupLog::milestone("first title");
}

void BrowserWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        takeFirstSize();
    }
    noteTitleShown();
}

void BrowserWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutContents();
}
