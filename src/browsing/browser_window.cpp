#include "browsing/browser_window.h"

#include "browsing/find_bar.h"
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
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace {

constexpr int kPanelWidth = 8415;
constexpr int kPanelHeight = 615;
const QColor kRed(255, 0, 0);
const QColor kDarkBlue(0, 0, 192);
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

} // namespace

MiniBrowse::MiniBrowse(BrowserProfile& profile, MessageBox& messages, Shell& shell,
                       const ProgramInfo& program, QWidget* parent)
    : QWidget(parent), Picture2(new QWidget(this)), Combo1(new QComboBox(Picture2)),
      Line1(new LineShape({4200, 480}, {120, 480}, 15, kDarkBlue, Picture2)),
      Command3(pictureButton("Command3", 4320, 495, QStringLiteral("Go Backward"),
                             themedIcon(QStringLiteral("go-previous"), QStyle::SP_ArrowBack),
                             Picture2)),
      Command1(pictureButton("Command1", 4800, 495, QStringLiteral("Stop Loading Page"),
                             themedIcon(QStringLiteral("process-stop"), QStyle::SP_BrowserStop),
                             Picture2)),
      Command2(pictureButton("Command2", 5280, 495, QStringLiteral("Go Foreward"),
                             themedIcon(QStringLiteral("go-next"), QStyle::SP_ArrowForward),
                             Picture2)),
      Command4(pictureButton(
          "Command4", 5760, 495, QStringLiteral("Go Home"),
          themedIcon(QStringLiteral("go-home"), QStringLiteral(":/icons/home.svg")), Picture2)),
      Command5(pictureButton("Command5", 6240, 495, QStringLiteral("Reload Page"),
                             themedIcon(QStringLiteral("view-refresh"), QStyle::SP_BrowserReload),
                             Picture2)),
      Command6(pictureButton(
          "Command6", 6720, 495, QStringLiteral("Search the Web"),
          themedIcon(QStringLiteral("system-search"), QStringLiteral(":/icons/search.svg")),
          Picture2)),
      Command7(pictureButton("Command7", 7320, 495, QStringLiteral("Change IE4 Settings"),
                             themedIcon(QStringLiteral("preferences-system-network"),
                                        QStringLiteral(":/icons/settings.svg")),
                             Picture2)),
      Command8(pictureButton(
          "Command8", 7800, 615, QStringLiteral("Send E-mail"),
          themedIcon(QStringLiteral("mail-send"), QStringLiteral(":/icons/mail.svg")), Picture2)),
      Timer1(new QTimer(this)), WebBrowser1(profile.createBrowser(this)),
      findBar(new FindBar(*WebBrowser1, this)), m_messages(messages), m_shell(shell),
      m_program(program)
{
    setObjectName(QStringLiteral("MiniBrowse"));
    setProperty("Tag", QStringLiteral("Browser"));
    setWindowTitle(kFirstCaption);
    setWindowIcon(programIcon());
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(Twips::rect(0, 0, kPanelWidth, kPanelHeight));
    setBackground(Picture2, kLightGrey);
    Line1->setObjectName(QStringLiteral("Line1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    createAddressBox();
    createButtons();
    connectBrowser();
    createShortcuts();
    connect(findBar, &FindBar::opened, this, &MiniBrowse::Form_Resize);
    connect(findBar, &FindBar::closed, this, [this] {
        Form_Resize();
        WebBrowser1->setFocus();
    });

    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &MiniBrowse::Timer1_Timer);
    Timer1->start();
}

void MiniBrowse::createAddressBox()
{
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::rect(0, 0, 4335, 360));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert); // Enter adds to the list in sorted order
    Combo1->setCompleter(nullptr);                // Enter passes the text exactly as typed
    Combo1->setFont(msSansSerif(9.75, true));
    setBackground(Combo1, Qt::black);
    setTextColor(Combo1, QColor(255, 255, 192));
    Combo1->setEditText(kFirstAddressText);
    onKeyDown(Combo1, [this](int code) { Combo1_KeyDown(code); });
    Combo1->installEventFilter(this);
}

// While the box holds its first text, taking the focus selects it, so typing replaces it.
bool MiniBrowse::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && Combo1->currentText() == kFirstAddressText)
        QTimer::singleShot(0, Combo1->lineEdit(), &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

// Window-wide keys, and Esc only in the page: the address box and the panel keep theirs.
void MiniBrowse::createShortcuts()
{
    const auto bind = [this](QWidget* scope, QKeyCombination keys, auto handler) {
        auto* shortcut = new QShortcut(keys, scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    bind(this, Qt::CTRL | Qt::Key_F, [this] { findBar->open(); });
    bind(this, Qt::CTRL | Qt::Key_L, &MiniBrowse::focusAddressBox);
    bind(this, Qt::CTRL | Qt::Key_Plus, [this] { zoomBy(1); });
    bind(this, Qt::CTRL | Qt::Key_Equal, [this] { zoomBy(1); });
    bind(this, Qt::CTRL | Qt::Key_Minus, [this] { zoomBy(-1); });
    bind(this, Qt::CTRL | Qt::Key_0, [this] { WebBrowser1->setZoomFactor(1); });
    bind(this, Qt::CTRL | Qt::Key_P, [this] { WebBrowser1->printPage(); });
    bind(this, Qt::ALT | Qt::Key_Left, &MiniBrowse::Command3_Click);
    bind(this, Qt::ALT | Qt::Key_Right, &MiniBrowse::Command2_Click);
    bind(this, QKeyCombination(Qt::Key_F5), &MiniBrowse::Command5_Click);
    bind(WebBrowser1, QKeyCombination(Qt::Key_Escape), &MiniBrowse::Command1_Click);
}

void MiniBrowse::focusAddressBox()
{
    Combo1->setFocus(Qt::ShortcutFocusReason);
    Combo1->lineEdit()->selectAll();
}

void MiniBrowse::zoomBy(int steps)
{
    const double now = WebBrowser1->zoomFactor();
    const bool larger = steps > 0;
    double next = larger ? kZoomSteps.back() : kZoomSteps.front();
    for (const double zoom : kZoomSteps) {
        if (larger ? zoom > now + 0.001 && zoom < next : zoom < now - 0.001 && zoom > next)
            next = zoom;
    }
    WebBrowser1->setZoomFactor(next);
}

void MiniBrowse::createButtons()
{
    connect(Command1, &QToolButton::clicked, this, &MiniBrowse::Command1_Click);
    connect(Command2, &QToolButton::clicked, this, &MiniBrowse::Command2_Click);
    connect(Command3, &QToolButton::clicked, this, &MiniBrowse::Command3_Click);
    connect(Command4, &QToolButton::clicked, this, &MiniBrowse::Command4_Click);
    connect(Command5, &QToolButton::clicked, this, &MiniBrowse::Command5_Click);
    connect(Command6, &QToolButton::clicked, this, &MiniBrowse::Command6_Click);
    connect(Command7, &QToolButton::clicked, this, &MiniBrowse::Command7_Click);
    connect(Command8, &QToolButton::clicked, this, &MiniBrowse::Command8_Click);
}

void MiniBrowse::connectBrowser()
{
    connect(WebBrowser1, &BrowserControl::newWindowRequested, this,
            &MiniBrowse::WebBrowser1_NewWindow2);
    connect(WebBrowser1, &BrowserControl::statusTextChanged, this,
            &MiniBrowse::WebBrowser1_StatusTextChange);
    connect(WebBrowser1, &BrowserControl::titleChanged, this, &MiniBrowse::WebBrowser1_TitleChange);
    connect(WebBrowser1, &BrowserControl::printFinished, this, [this](bool printed) {
        if (!printed)
            m_messages.show(this, tr("The page could not be printed."));
    });
}

void MiniBrowse::goHome()
{
    WebBrowser1->goHome();
}

void MiniBrowse::navigate(const QString& address)
{
    WebBrowser1->navigate(address);
}

void MiniBrowse::setAddressText(const QString& text)
{
    Combo1->setEditText(text);
}

QString MiniBrowse::address() const
{
    return WebBrowser1->url();
}

void MiniBrowse::Form_Load()
{
    const QSize screen = m_program.screenSizeTwips(this);
    setOuterSizeTwips(this, QSize(screen.width() * 3 / 4, screen.height() * 3 / 4));
}

void MiniBrowse::Form_Resize()
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
    WebBrowser1->setGeometry(page);
    Picture2->move(Twips::toPixels((outer.width() - kPanelWidth) / 2.0), Picture2->y());
}

void MiniBrowse::Combo1_KeyDown(int keyCode)
{
    if (keyCode != kEnterKeyCode)
        return;
    const QString text = Combo1->currentText();
    try {
        WebBrowser1->navigate(text);
        Combo1->insertItem(m_order.insertionRow(*Combo1->model(), text), text);
        Combo1->setEditText(text);
        Combo1->lineEdit()->setSelection(0, static_cast<int>(text.size()));
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::kCannotConnect);
    }
}

void MiniBrowse::Command1_Click()
{
    ignoreFailure([this] { WebBrowser1->stop(); });
}

void MiniBrowse::Command2_Click()
{
    ignoreFailure([this] { WebBrowser1->goForward(); });
}

void MiniBrowse::Command3_Click()
{
    ignoreFailure([this] { WebBrowser1->goBack(); });
}

void MiniBrowse::Command4_Click()
{
    WebBrowser1->goHome();
}

void MiniBrowse::Command5_Click()
{
    WebBrowser1->refresh();
}

void MiniBrowse::Command6_Click()
{
    WebBrowser1->goSearch();
}

void MiniBrowse::Command7_Click()
{
    m_shell.ControlPanelItem(Shell::kInternetOptions);
}

void MiniBrowse::Command8_Click()
{
    ignoreFailure([this] { WebBrowser1->navigate(QStringLiteral("mailto:")); });
}

void MiniBrowse::Timer1_Timer()
{
    Line1->setColor(kDarkBlue);
}

void MiniBrowse::WebBrowser1_NewWindow2(bool* cancel)
{
    *cancel = true;
}

void MiniBrowse::WebBrowser1_StatusTextChange(const QString&)
{
    Line1->setColor(kRed);
    enable(Timer1);
}

void MiniBrowse::WebBrowser1_TitleChange(const QString&)
{
    setWindowTitle(WebBrowser1->title());
    noteTitleShown();
}

// Start-up is measured until a page's own title is on screen, not merely its address.
void MiniBrowse::noteTitleShown() const
{
    const QString title = windowTitle();
    if (isVisible() && title != kFirstCaption && title != WebBrowser1->url())
        StartupLog::milestone("first title");
}

void MiniBrowse::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    noteTitleShown();
}

void MiniBrowse::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
