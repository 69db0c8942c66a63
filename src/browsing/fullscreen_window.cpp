#include "browsing/fullscreen_window.h"

#include "browsing/fullscreen_toolbar.h"
#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/browser_profile.h"
#include "platform/message_box.h"
#include "platform/program_info.h"
#include "platform/window_system.h"
#include "widgets/colors.h"
#include "widgets/icons.h"
#include "widgets/mouse_label.h"
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QPushButton>
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

// The strip is about one pixel high, and never less, whatever the screen's resolution.
int stripPixels()
{
    return std::max(1, Twips::toPixels(kStripTwips));
}

} // namespace

Form1::Form1(BrowserProfile& profile, const SettingsStore& settings,
             const SettingsStore& systemSettings, MessageBox& messages, const ProgramInfo& program,
             WindowSystem& windowSystem, ToolbarWindow& toolbar)
    : QWidget(nullptr, Qt::FramelessWindowHint), Command1(new QPushButton(tr("&Q"), this)),
      WebBrowser1(profile.createBrowser(this)), Picture1(new MouseLabel(QString(), this)),
      Timer1(new QTimer(this)), m_settings(settings), m_systemSettings(systemSettings),
      m_messages(messages), m_program(program), m_windowSystem(windowSystem), m_toolbar(toolbar),
      m_refusalCheck(new QTimer(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Texts::kProductTitle);
    setWindowIcon(programIcon());
    setBackground(this, Qt::black);
    // Full-screen mode ends with this window, never the program: the frame is only hidden.
    setAttribute(Qt::WA_QuitOnClose, false);

    // The button lies under the page and serves its access key; the page keeps the focus.
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(2040, 3240, 1215, 615));
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGuarded(true);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setBackground(Picture1, Qt::black);
    connect(Picture1, &MouseLabel::clicked, this, &Form1::Picture1_Click);
    connectBrowser();

    m_refusalCheck->setSingleShot(true);
    m_refusalCheck->setInterval(kRefusalCheckMs);
    connect(m_refusalCheck, &QTimer::timeout, this, &Form1::endRefusal);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

void Form1::connectBrowser()
{
    connect(WebBrowser1, &BrowserControl::newWindowRequested, this, &Form1::WebBrowser1_NewWindow2);
    connect(WebBrowser1, &BrowserControl::progressChanged, this,
            &Form1::WebBrowser1_ProgressChange);
    connect(WebBrowser1, &BrowserControl::titleChanged, this, &Form1::WebBrowser1_TitleChange);
    connect(WebBrowser1, &BrowserControl::documentStarted, this, [this] {
        m_documentLeft = true;
        m_loading = true;
    });
}

void Form1::Form_Load()
{
    List3 = RestrictionList(Restrictions::read(m_settings) + Restrictions::read(m_systemSettings));
    coverScreen();
    placeBrowser();
    placeStrip();
    try {
        const QString commandLine = m_program.commandLine();
        if (commandLine.isEmpty())
            WebBrowser1->goHome();
        else
            WebBrowser1->navigate(commandLine);
        toolbar().setLeft(300);
        placeToolbarTop();
        Picture1->raise();
    } catch (const PlatformError&) {
        ignoreFailure([this] { WebBrowser1->goHome(); });
    }
}

void Form1::navigate(const QString& address)
{
    WebBrowser1->navigate(address);
}

void Form1::Form_Resize()
{
    if (isMinimized())
        return;
    coverScreen();
    placeBrowser();
    placeStrip();
    Picture1->raise();
    Form2& bar = toolbar();
    const double screenWidth = m_program.screenSizeTwips(this).width();
    bar.setLeft((screenWidth - outerSizeTwips(&bar).width()) / 2.0);
    placeToolbarTop();
}

void Form1::coverScreen()
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    setGeometry(QRect(area.topLeft(), Twips::toPixels(m_program.screenSizeTwips(this))));
}

// Its lower edge lies below the screen's by the strip's height.
void Form1::placeBrowser()
{
    WebBrowser1->setGeometry(0, stripPixels(), width(), height());
}

void Form1::placeStrip()
{
    Picture1->setGeometry(0, 0, width(), stripPixels());
}

void Form1::placeToolbarTop()
{
    toolbar().setTop(outerSizeTwips(this).height() - kToolbarAboveBottom);
}

void Form1::Command1_Click()
{
    Form2& bar = toolbar();
    if (bar.isVisible())
        bar.focusAddressBox();
    else
        showToolbar();
}

void Form1::Picture1_Click()
{
    Form2& bar = toolbar();
    if (!bar.isVisible()) {
        showToolbar();
        return;
    }
    bar.focusAddressBox();
    if (bar.isVisible())
        bar.hide();
}

void Form1::showToolbar()
{
    Form2& bar = toolbar();
    bar.show();
    bar.focusAddressBox();
    ignoreFailure([&] { m_windowSystem.makeTopmost(bar, *this); });
}

// The toolbar, loaded on first reference; what the user asks of it comes back to this window.
Form2& Form1::toolbar()
{
    Form2& bar = m_toolbar.get(*WebBrowser1);
    connect(&bar, &Form2::exitRequested, this, &Form1::close, Qt::UniqueConnection);
    connect(&bar, &Form2::minimiseRequested, this, &Form1::showMinimized, Qt::UniqueConnection);
    return bar;
}

void Form1::Timer1_Timer()
{
    toolbar().setLampColor(kLampBlue);
    Timer1->stop();
}

void Form1::WebBrowser1_NewWindow2(bool* cancel)
{
    *cancel = true;
}

void Form1::WebBrowser1_ProgressChange(int progress, int progressMax)
{
    m_loading = progress < progressMax;
    toolbar().setLampColor(kLampRed);
    enable(Timer1);
}

void Form1::WebBrowser1_TitleChange(const QString& text)
{
    try {
        refuseRestricted(text);
        Text1 = WebBrowser1->title();
        if (!List2.isEmpty()) {
            if (List2.contains(Text1))
                return;
            Form2& bar = toolbar();
            if (bar.isEnabled())
                bar.raise();
        }
        if (!Text1.startsWith(QLatin1String("http")) && !Text1.startsWith(QLatin1String("HTTP")))
            List2.append(Text1);
    } catch (const PlatformError&) {
        m_messages.show(this, QStringLiteral("IE Error"));
    }
}

// Every matching entry refuses the page once more, one box at a time. A refusal lasts until its
// check a moment later; the refused page's later titles then refuse nothing again, and while a
// box is open every matching title keeps the page away at once. The window's own empty page
// holds nothing to refuse; testing it would loop between it and the refused page when an entry
// is empty.
void Form1::refuseRestricted(const QString& title)
{
    if (WebBrowser1->url() == kRefusedPage) {
        endRefusal();
        return;
    }
    const qsizetype refusals = List3.matches(title).size();
    if (refusals == 0 || (m_refusalCheck->isActive() && !m_refusalShown))
        return;
    if (m_refusalShown) {
        keepRefusedPageAway();
        return;
    }
    // The page may ask to stay, or show dialogs of its own; a refusal waits for none of them.
    WebBrowser1->setLeavingUnasked(true);
    m_refusalCheck->start();
    m_documentLeft = false;
    m_refusedWhileLoading = m_loading;
    m_refusedAddress = WebBrowser1->url();
    bool replaced = false;
    for (qsizetype i = 0; i < refusals; ++i) {
        WebBrowser1->stop();
        leaveRefusedPage(replaced);
        const QScopedValueRollback shown(m_refusalShown, true);
        m_messages.show(this, kRefusedMessage);
    }
}

// The refused page must be gone by now: going back may have stayed within its document, or not
// happened at all.
void Form1::endRefusal()
{
    m_refusalCheck->stop();
    if ((!m_documentLeft && !refusedPageStopped()) || showsRefusedPage())
        keepRefusedPageAway(); // leaving stays unasked until the empty page is there
    else
        WebBrowser1->setLeavingUnasked(false);
}

// A page refused while it still loads may never have shown (its first title is its address):
// once that address is gone again, stopping it has left it.
bool Form1::refusedPageStopped() const
{
    return m_refusedWhileLoading && WebBrowser1->url() != m_refusedAddress;
}

bool Form1::showsRefusedPage() const
{
    return WebBrowser1->url() != kRefusedPage && (!List3.matches(WebBrowser1->title()).isEmpty() ||
                                                  !List3.matches(WebBrowser1->url()).isEmpty());
}

void Form1::keepRefusedPageAway()
{
    ignoreFailure([this] { WebBrowser1->stop(); });
    WebBrowser1->navigate(kRefusedPage);
}

// Goes back; on the first page of the window, where there is no going back, the empty page
// takes the refused page's place, so that a refused page never stays on screen.
void Form1::leaveRefusedPage(bool& replaced)
{
    if (!replaced) {
        try {
            WebBrowser1->goBack();
            return;
        } catch (const BrowserError&) {
            replaced = true;
        }
    }
    WebBrowser1->navigate(kRefusedPage); // again after a later stop, which may have cut it off
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize(); // restoring from minimised gives the screen back
}

// However it closes ("Exit", or the window manager), full-screen mode ends with it: the toolbar
// goes and the frame is told. Until it is deleted, the closed window handles nothing more, so
// nothing loads a toolbar again.
void Form1::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    WebBrowser1->blockSignals(true);
    m_toolbar.unload();
    event->accept();
    emit unloaded();
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
