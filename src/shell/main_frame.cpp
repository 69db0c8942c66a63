#include "shell/main_frame.h"

#include "browsing/browser_window.h"
#include "browsing/downloads_window.h"
#include "browsing/fullscreen_window.h"
#include "browsing/history_window.h"
#include "core/errors.h"
#include "core/manual.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "organizer/organizer_window.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "shell/app.h"
#include "shell/manual_file.h"
#include "tools/about_box.h"
#include "tools/quick_note_window.h"
#include "tools/system_info_window.h"
#include "widgets/captions.h"
#include "widgets/colors.h"
#include "widgets/design.h"
#include "widgets/fonts.h"
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kButtonBarWidth = 6975;

QPushButton* barButton(const QString& caption, int left, int width, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(Twips::rect(left, 0, width, 255));
    return button;
}

} // namespace

MainFrame::MainFrame(App& app)
    : buttonStrip(named(new QWidget, "buttonStrip")),
      buttonBar(named(new QWidget(buttonStrip), "buttonBar")),
      newBrowserButton(
          named(barButton(MainFrame::tr("New Browser"), 0, 1215, buttonBar), "newBrowserButton")),
      newQuickNoteButton(named(barButton(MainFrame::tr("New QuickNote"), 1200, 1455, buttonBar),
                               "newQuickNoteButton")),
      systemInfoButton(
          named(barButton(MainFrame::tr("SystemInfo"), 2640, 1215, buttonBar), "systemInfoButton")),
      organizerButton(named(barButton(MainFrame::tr("Organizer/Favorites"), 3840, 1815, buttonBar),
                            "organizerButton")),
      fullScreenButton(named(barButton(MainFrame::tr("Full Screen"), 5640, 1095, buttonBar),
                             "fullScreenButton")),
      clockLabel(named(new QLabel(buttonBar), "clockLabel")),
      manualText(named(new QPlainTextEdit(Manual::text(), buttonStrip), "manualText")),
      mdiArea(named(new QMdiArea, "mdiArea")),
      timeOnlineTimer(named(new QTimer(this), "timeOnlineTimer")),
      timeOfDayTimer(named(new QTimer(this), "timeOfDayTimer")),
      saveDialog(app.services().fileDialogs->create(this)),
      downloadsWindow(new DownloadsWindow(this)),
      historyWindow(new HistoryWindow(*app.services().browsingMemory, *app.services().messageBox,
                                      *this, this)),
      m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(Texts::kProductTitle);
    // The frame opens maximised. It takes the screen's size before it first shows, so that
    // the window manager's maximising later does not leave the first child placed for the
    // design size (9480 by 6300 twips).
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttonStrip);
    layout->addWidget(mdiArea, 1);
    setCentralWidget(central);
    mdiArea->setBackground(Qt::black);
    // Children that reach beyond the frame's area stay reachable, their close boxes too.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    createButtonBar();
    createMenus();
    createClocks();
    Captions::fit(this);
    connect(app.services().browsers.get(), &BrowserProfile::downloadStarted, downloadsWindow,
            &DownloadsWindow::add);
    load();
}

void MainFrame::createButtonBar()
{
    buttonStrip->setFixedHeight(Twips::toPixels(570));
    setBackground(buttonStrip, kLightGrey);
    buttonBar->setGeometry(Twips::rect(480, 0, kButtonBarWidth, 495));
    clockLabel->setGeometry(Twips::rect(1440, 240, 4095, 375));
    clockLabel->setFont(msSansSerif(9.75));
    // The clock stays readable while the frame waits for the organizer or System Information.
    QPalette clockColours = clockLabel->palette();
    clockColours.setColor(QPalette::Disabled, QPalette::WindowText,
                          clockColours.color(QPalette::Active, QPalette::WindowText));
    clockLabel->setPalette(clockColours);
    manualText->setGeometry(Twips::rect(0, 480, 615, 285));
    manualText->hide();
    manualText->setAccessibleName(tr("Manual"));
    for (QPushButton* button : {newBrowserButton, newQuickNoteButton, systemInfoButton,
                                organizerButton, fullScreenButton})
        button->setFont(msSansSerif(8));
    // Tab order follows the buttons' tab indexes: "Full Screen" first, "New Browser" last.
    setTabOrder(fullScreenButton, organizerButton);
    setTabOrder(organizerButton, systemInfoButton);
    setTabOrder(systemInfoButton, newQuickNoteButton);
    setTabOrder(newQuickNoteButton, newBrowserButton);
    connect(newBrowserButton, &QPushButton::clicked, this, &MainFrame::openNewBrowser);
    connect(newQuickNoteButton, &QPushButton::clicked, this, &MainFrame::openQuickNote);
    connect(systemInfoButton, &QPushButton::clicked, this, &MainFrame::showSystemInfo);
    connect(organizerButton, &QPushButton::clicked, this, &MainFrame::showOrganizer);
    connect(fullScreenButton, &QPushButton::clicked, this, &MainFrame::enterFullScreen);
}

void MainFrame::createMenus()
{
    QMenu* file = named(menuBar()->addMenu(tr("&File")), "fileMenu");
    newBrowserAction = named(file->addAction(tr("&New Browser")), "newBrowserAction");
    newBrowserAction->setShortcut(QKeySequence::New);
    newQuickNoteAction = named(file->addAction(tr("New &QuickNote")), "newQuickNoteAction");
    downloadsAction = named(file->addAction(tr("&Downloads")), "downloadsAction");
    historyAction = named(file->addAction(tr("&History")), "historyAction");
    historyAction->setShortcut(Qt::CTRL | Qt::Key_H);
    named(file->addSeparator(), "fileDivider");
    exitAction = named(file->addAction(tr("E&xit")), "exitAction");

    QMenu* tools = named(menuBar()->addMenu(tr("&Tools")), "toolsMenu");
    systemInfoAction = named(tools->addAction(tr("&System Informaton")), "systemInfoAction");
    organizerAction = named(tools->addAction(tr("&Organizer and Favorites")), "organizerAction");
    internetOptionsAction =
        named(tools->addAction(tr("&Internet Explorer Settings")), "internetOptionsAction");

    windowMenu = named(menuBar()->addMenu(tr("&Window")), "windowMenu");
    fullScreenAction = named(windowMenu->addAction(tr("&Full Screen")), "fullScreenAction");
    named(windowMenu->addSeparator(), "windowDivider");
    cascadeAction = named(windowMenu->addAction(tr("&Cascade Windows")), "cascadeAction");
    tileHorizontalAction =
        named(windowMenu->addAction(tr("Tile &Horizontal")), "tileHorizontalAction");
    tileVerticalAction = named(windowMenu->addAction(tr("Tile &Vertical")), "tileVerticalAction");
    connect(windowMenu, &QMenu::aboutToShow, this, &MainFrame::listChildWindows);

    QMenu* help = named(menuBar()->addMenu(tr("&Help")), "helpMenu");
    manualAction = named(help->addAction(tr("&Manual")), "manualAction");
    manualAction->setShortcut(Qt::Key_F1);
    aboutAction = named(help->addAction(tr("&About")), "aboutAction");

    connect(newBrowserAction, &QAction::triggered, this, &MainFrame::openNewBrowser);
    connect(newQuickNoteAction, &QAction::triggered, this, &MainFrame::openQuickNote);
    connect(downloadsAction, &QAction::triggered, downloadsWindow, &DownloadsWindow::bringUp);
    connect(historyAction, &QAction::triggered, historyWindow, &HistoryWindow::bringUp);
    connect(organizerAction, &QAction::triggered, this, &MainFrame::showOrganizer);
    connect(exitAction, &QAction::triggered, this, &MainFrame::exitProgram);
    connect(systemInfoAction, &QAction::triggered, this, &MainFrame::showSystemInfo);
    connect(fullScreenAction, &QAction::triggered, this, &MainFrame::enterFullScreen);
    connect(internetOptionsAction, &QAction::triggered, this, &MainFrame::showInternetOptions);
    connect(cascadeAction, &QAction::triggered, this, &MainFrame::cascade);
    connect(tileHorizontalAction, &QAction::triggered, this, &MainFrame::tileHorizontally);
    connect(tileVerticalAction, &QAction::triggered, this, &MainFrame::tileVertically);
    connect(manualAction, &QAction::triggered, this, &MainFrame::showManual);
    connect(aboutAction, &QAction::triggered, this, &MainFrame::showAbout);
}

// Below its own items the Window menu lists every child window, the active one checked; windows
// with the same title are told apart by a number.
void MainFrame::listChildWindows()
{
    qDeleteAll(m_childWindowItems);
    m_childWindowItems.clear();
    const QList<QMdiSubWindow*> children = mdiArea->subWindowList();
    if (!children.isEmpty())
        m_childWindowItems.append(windowMenu->addSeparator());
    QStringList titles;
    for (const QMdiSubWindow* child : children)
        titles.append(child->windowTitle());
    const QStringList names = distinctTitles(titles);
    for (int i = 0; i < children.size(); ++i) {
        QMdiSubWindow* child = children[i];
        const QString number = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QAction* item = windowMenu->addAction(number + names[i]);
        item->setCheckable(true);
        item->setChecked(child == mdiArea->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, child = QPointer(child)] {
            if (child)
                mdiArea->setActiveSubWindow(child);
        });
        m_childWindowItems.append(item);
    }
}

void MainFrame::createClocks()
{
    timeOnlineTimer->setInterval(990);
    timeOfDayTimer->setInterval(1000);
    connect(timeOnlineTimer, &QTimer::timeout, this, &MainFrame::tickTimeOnline);
    connect(timeOfDayTimer, &QTimer::timeout, this, &MainFrame::showTimeOfDay);
    timeOnlineTimer->start();
    timeOfDayTimer->start();
}

void MainFrame::load()
{
    browsersOpened = 0;
    openNewBrowser();
}

void MainFrame::centreButtonBar()
{
    const double left = (outerSizeTwips(this).width() - kButtonBarWidth) / 2.0;
    buttonBar->move(Twips::toPixels(left), buttonBar->y());
}

void MainFrame::openNewBrowser()
{
    newBrowser()->goHome();
    ++browsersOpened;
}

void MainFrame::openQuickNote()
{
    showChild(new QuickNoteWindow(*this, *m_app.services().messageBox));
}

void MainFrame::showSystemInfo()
{
    SystemInfoWindow& window = m_app.systemInfoWindow();
    setFrameEnabled(false);
    window.show();
}

void MainFrame::showOrganizer()
{
    try {
        m_app.organizerWindow().show();
    } catch (const StoreError& error) {
        // Damaged organizer data: it stays closed, and the message says why and where.
        m_app.services().messageBox->show(this, QString::fromStdString(error.what()));
    }
}

// The frame hides and the full-screen window takes over, on the page the active browser
// window shows.
void MainFrame::enterFullScreen()
{
    FullScreenWindow& fullScreen = showFullScreenWindow();
    ignoreFailure([&] {
        if (auto* browser = qobject_cast<BrowserWindow*>(activeChild()))
            fullScreen.navigate(browser->address());
    });
}

void MainFrame::startInFullScreen()
{
    setWindowState(Qt::WindowMaximized);
    showFullScreenWindow();
}

FullScreenWindow& MainFrame::showFullScreenWindow()
{
    setVisible(false);
    FullScreenWindow& fullScreen = m_app.fullScreenWindow();
    // While a parent's passphrase guards full-screen mode, the hidden frame takes nothing, even
    // if another program maps it.
    setEnabled(!fullScreen.leavingGuarded());
    connect(&fullScreen, &FullScreenWindow::unloaded, this, &MainFrame::returnFromFullScreen,
            Qt::UniqueConnection);
    fullScreen.show();
    return fullScreen;
}

void MainFrame::returnFromFullScreen()
{
    setEnabled(true);
    show();
}

void MainFrame::tickTimeOnline()
{
    timeOnline.tick();
    clockLabel->setText(timeOnline.caption());
}

void MainFrame::showTimeOfDay()
{
    const Clock& clock = *m_app.services().clock;
    setWindowTitle(Texts::kProductTitle + QStringLiteral(" / ") +
                   clock.timeText(clock.now().time()));
}

void MainFrame::exitProgram()
{
    close();
}

void MainFrame::showInternetOptions()
{
    m_app.services().shell->openControlPanelItem(Shell::kInternetOptions);
}

void MainFrame::cascade()
{
    arrange(Arrangement::Cascade);
}

void MainFrame::tileHorizontally()
{
    arrange(Arrangement::TileHorizontal);
}

void MainFrame::tileVertically()
{
    arrange(Arrangement::TileVertical);
}

void MainFrame::showManual()
{
    newBrowser(); // no home page, and browsersOpened counts only "New Browser"
    const QString file = writeManual(TextFile::withCrLf(manualText->toPlainText()),
                                     m_app.services().programInfo->programDirectory());
    auto* browser = qobject_cast<BrowserWindow*>(activeChild());
    if (file.isEmpty() || !browser)
        return;
    ignoreFailure([&] { browser->navigate(file); });
}

void MainFrame::showAbout()
{
    m_app.aboutBox().exec();
}

// The children that are neither minimised nor hidden, in the order they opened; cascading puts the
// active one last, in front of the others.
void MainFrame::arrange(Arrangement arrangement)
{
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* child : mdiArea->subWindowList()) {
        if (!child->isMinimized() && !child->isHidden())
            shown.append(child);
    }
    QMdiSubWindow* active = mdiArea->currentSubWindow();
    if (arrangement == Arrangement::Cascade && shown.removeOne(active))
        shown.append(active);
    const QRect area = mdiArea->viewport()->rect();
    const QList<QRect> rects = arrangement == Arrangement::Cascade
                                   ? cascadeRects(shown.size(), area, titleBarHeight())
                                   : tileRects(shown.size(), area, arrangement);
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(rects[i]);
        shown[i]->raise();
    }
    if (active)
        mdiArea->setActiveSubWindow(active);
}

int MainFrame::titleBarHeight() const
{
    return mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

QMdiSubWindow* MainFrame::showChild(QWidget* child)
{
    QMdiSubWindow* window = mdiArea->addSubWindow(child);
    child->show(); // the child takes its size as it first shows
    window->move(newChildPosition(m_childrenOpened++, window->size(), mdiArea->viewport()->size(),
                                  titleBarHeight()));
    mdiArea->setActiveSubWindow(window);
    if (!isEnabled())
        m_activateWhenEnabled = window;
    return window;
}

BrowserWindow* MainFrame::newBrowser()
{
    const PlatformServices& s = m_app.services();
    auto* browser =
        new BrowserWindow(*s.browsers, *s.browsingMemory, *s.messageBox, *s.shell, *s.programInfo);
    showChild(browser);
    return browser;
}

void MainFrame::setFrameEnabled(bool enabled)
{
    setEnabled(enabled);
    // The windows the frame owns, the one it waits for among them, take input all the same.
    if (!enabled) {
        for (QWidget* owned : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (owned->isWindow())
                owned->setEnabled(true);
    }
    if (enabled && m_activateWhenEnabled)
        mdiArea->setActiveSubWindow(std::exchange(m_activateWhenEnabled, nullptr));
}

void MainFrame::openBrowser(const QString& address)
{
    BrowserWindow* browser = newBrowser();
    // An address the engine refuses still stands in the box, where the user can correct it.
    ignoreFailure([&] { browser->navigate(address); });
    browser->setAddressText(address);
}

QWidget* MainFrame::activeChild() const
{
    QMdiSubWindow* current = mdiArea->currentSubWindow();
    return current ? current->widget() : nullptr;
}

void MainFrame::closeWithoutQuestions()
{
    stopAsking();
    close();
}

bool MainFrame::askToCloseWork()
{
    const int downloads = downloadsWindow->runningCount();
    if (downloads > 0) {
        const QString running =
            downloads == 1
                ? tr("A download is still running. Exit and cancel it?")
                : tr("%1 downloads are still running. Exit and cancel them?").arg(downloads);
        if (m_app.services().messageBox->show(this, running, MessageBox::Buttons::YesNo) !=
            MessageBox::Answer::Yes)
            return false;
    }
    const QList<QuickNoteWindow*> open = notes();
    return std::all_of(open.begin(), open.end(),
                       [](QuickNoteWindow* note) { return note->askToCloseUnsaved(); });
}

QList<QuickNoteWindow*> MainFrame::notes() const
{
    QList<QuickNoteWindow*> found;
    for (QMdiSubWindow* child : mdiArea->subWindowList())
        if (auto* note = qobject_cast<QuickNoteWindow*>(child->widget()))
            found.append(note);
    return found;
}

void MainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    centreButtonBar();
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    // While the organizer or System Information is open the frame takes no input, so a
    // close from the window manager waits until they are done.
    if (!isEnabled() || (m_mayAsk && !askToCloseWork())) {
        event->ignore();
        return;
    }
    if (!m_mayAsk) {
        for (QuickNoteWindow* note : notes())
            note->discardUnsavedText();
    }
    mdiArea->closeAllSubWindows();
    event->accept();
    QCoreApplication::quit();
}
