#include "shell/main_frame.h"

#include "browsing/browser_window.h"
#include "browsing/downloads_window.h"
#include "browsing/fullscreen_window.h"
#include "core/errors.h"
#include "core/manual.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "organizer/organizer_window.h"
#include "platform/text_file.h"
#include "shell/app.h"
#include "shell/manual_file.h"
#include "tools/about_box.h"
#include "tools/quick_note_window.h"
#include "tools/system_info_window.h"
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

namespace {

constexpr int kButtonBarWidth = 6975;

QPushButton* barButton(const QString& caption, int left, int width, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(Twips::rect(left, 0, width, 255));
    return button;
}

} // namespace

MDIForm1::MDIForm1(App& app)
    : Picture1(named(new QWidget, "Picture1")), Picture2(named(new QWidget(Picture1), "Picture2")),
      cmdBrowser(named(barButton(QStringLiteral("New Browser"), 0, 1215, Picture2), "cmdBrowser")),
      cmdQuick(named(barButton(QStringLiteral("New QuickNote"), 1200, 1455, Picture2), "cmdQuick")),
      cmdSysInfo(
          named(barButton(QStringLiteral("SystemInfo"), 2640, 1215, Picture2), "cmdSysInfo")),
      Command1(named(barButton(QStringLiteral("Organizer/Favorites"), 3840, 1815, Picture2),
                     "Command1")),
      Command2(named(barButton(QStringLiteral("Full Screen"), 5640, 1095, Picture2), "Command2")),
      lbltime(named(new QLabel(Picture2), "lbltime")),
      txtManual(named(new QPlainTextEdit(Manual::text(), Picture1), "txtManual")),
      mdiArea(named(new QMdiArea, "mdiArea")), Timer1(named(new QTimer(this), "Timer1")),
      Timer2(named(new QTimer(this), "Timer2")),
      CommonDialog1(app.services().fileDialogs->create(this)),
      downloadsWindow(new DownloadsWindow(this)), m_app(app)
{
    setObjectName(QStringLiteral("MDIForm1"));
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
    layout->addWidget(Picture1);
    layout->addWidget(mdiArea, 1);
    setCentralWidget(central);
    mdiArea->setBackground(Qt::black);

    createButtonBar();
    createMenus();
    createClocks();
    connect(app.services().browsers.get(), &BrowserProfile::downloadStarted, downloadsWindow,
            &DownloadsWindow::add);
    MDIForm_Load();
}

void MDIForm1::createButtonBar()
{
    Picture1->setFixedHeight(Twips::toPixels(570));
    setBackground(Picture1, kLightGrey);
    Picture2->setGeometry(Twips::rect(480, 0, kButtonBarWidth, 495));
    lbltime->setGeometry(Twips::rect(1440, 240, 4095, 375));
    lbltime->setFont(msSansSerif(9.75));
    // The clock stays readable while the frame waits for the organizer or System Information.
    QPalette clockColours = lbltime->palette();
    clockColours.setColor(QPalette::Disabled, QPalette::WindowText,
                          clockColours.color(QPalette::Active, QPalette::WindowText));
    lbltime->setPalette(clockColours);
    txtManual->setGeometry(Twips::rect(0, 480, 615, 285));
    txtManual->hide();
    for (QPushButton* button : {cmdBrowser, cmdQuick, cmdSysInfo, Command1, Command2})
        button->setFont(msSansSerif(8));
    // Tab order follows the buttons' tab indexes: "Full Screen" first, "New Browser" last.
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, cmdSysInfo);
    setTabOrder(cmdSysInfo, cmdQuick);
    setTabOrder(cmdQuick, cmdBrowser);
    connect(cmdBrowser, &QPushButton::clicked, this, &MDIForm1::cmdBrowser_Click);
    connect(cmdQuick, &QPushButton::clicked, this, &MDIForm1::cmdQuick_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &MDIForm1::cmdSysInfo_Click);
    connect(Command1, &QPushButton::clicked, this, &MDIForm1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MDIForm1::Command2_Click);
}

void MDIForm1::createMenus()
{
    QMenu* file = named(menuBar()->addMenu(tr("&File")), "mnuFileItem");
    mnuBrowserItem = named(file->addAction(tr("&New Browser")), "mnuBrowserItem");
    mnuQuicknote = named(file->addAction(tr("New &QuickNote")), "mnuQuicknote");
    mnuDownloads = named(file->addAction(tr("&Downloads")), "mnuDownloads");
    named(file->addSeparator(), "Divider1");
    mnuExitItem = named(file->addAction(tr("E&xit")), "mnuExitItem");

    QMenu* tools = named(menuBar()->addMenu(tr("&Tools")), "mnuTools");
    mnuSysInfo = named(tools->addAction(tr("&System Informaton")), "mnuSysInfo");
    mnuOrg = named(tools->addAction(tr("&Organizer and Favorites")), "mnuOrg");
    mnuIEItem = named(tools->addAction(tr("&Internet Explorer Settings")), "mnuIEItem");

    mnuWindow = named(menuBar()->addMenu(tr("&Window")), "mnuWindow");
    mnuFullScreen = named(mnuWindow->addAction(tr("&Full Screen")), "mnuFullScreen");
    named(mnuWindow->addSeparator(), "mnuDivider1");
    mnuCW = named(mnuWindow->addAction(tr("&Cascade Windows")), "mnuCW");
    mnuCH = named(mnuWindow->addAction(tr("Tile &Horizontal")), "mnuCH");
    mnuCV = named(mnuWindow->addAction(tr("Tile &Vertical")), "mnuCV");
    connect(mnuWindow, &QMenu::aboutToShow, this, &MDIForm1::listChildWindows);

    QMenu* help = named(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    mnuManualItem = named(help->addAction(tr("&Manual")), "mnuManualItem");
    mnuManualItem->setShortcut(Qt::Key_F1);
    mnuAboutItem = named(help->addAction(tr("&About")), "mnuAboutItem");

    connect(mnuBrowserItem, &QAction::triggered, this, &MDIForm1::cmdBrowser_Click);
    connect(mnuQuicknote, &QAction::triggered, this, &MDIForm1::cmdQuick_Click);
    connect(mnuDownloads, &QAction::triggered, downloadsWindow, &DownloadsWindow::bringUp);
    connect(mnuOrg, &QAction::triggered, this, &MDIForm1::Command1_Click);
    connect(mnuExitItem, &QAction::triggered, this, &MDIForm1::mnuExitItem_Click);
    connect(mnuSysInfo, &QAction::triggered, this, &MDIForm1::cmdSysInfo_Click);
    connect(mnuFullScreen, &QAction::triggered, this, &MDIForm1::Command2_Click);
    connect(mnuIEItem, &QAction::triggered, this, &MDIForm1::mnuIEItem_Click);
    connect(mnuCW, &QAction::triggered, this, &MDIForm1::mnuCW_Click);
    connect(mnuCH, &QAction::triggered, this, &MDIForm1::mnuCH_Click);
    connect(mnuCV, &QAction::triggered, this, &MDIForm1::mnuCV_Click);
    connect(mnuManualItem, &QAction::triggered, this, &MDIForm1::mnuManualItem_Click);
    connect(mnuAboutItem, &QAction::triggered, this, &MDIForm1::mnuAboutItem_Click);
}

// Below its own items the Window menu lists every child window, the active one checked.
void MDIForm1::listChildWindows()
{
    qDeleteAll(m_childWindowItems);
    m_childWindowItems.clear();
    const QList<QMdiSubWindow*> children = mdiArea->subWindowList();
    if (!children.isEmpty())
        m_childWindowItems.append(mnuWindow->addSeparator());
    for (int i = 0; i < children.size(); ++i) {
        QMdiSubWindow* child = children[i];
        const QString number = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QAction* item = mnuWindow->addAction(number + child->windowTitle());
        item->setCheckable(true);
        item->setChecked(child == mdiArea->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, child = QPointer(child)] {
            if (child)
                mdiArea->setActiveSubWindow(child);
        });
        m_childWindowItems.append(item);
    }
}

void MDIForm1::createClocks()
{
    Timer1->setInterval(990);
    Timer2->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MDIForm1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &MDIForm1::Timer2_Timer);
    Timer1->start();
    Timer2->start();
}

void MDIForm1::MDIForm_Load()
{
    WindowNums = 0;
    cmdBrowser_Click();
}

void MDIForm1::MDIForm_Resize()
{
    const double left = (outerSizeTwips(this).width() - kButtonBarWidth) / 2.0;
    Picture2->move(Twips::toPixels(left), Picture2->y());
}

void MDIForm1::cmdBrowser_Click()
{
    newBrowser()->goHome();
    ++WindowNums;
}

void MDIForm1::cmdQuick_Click()
{
    showChild(new Form3(*this, *m_app.services().messageBox));
}

void MDIForm1::cmdSysInfo_Click()
{
    setFrameEnabled(false);
    m_app.system().show();
}

void MDIForm1::Command1_Click()
{
    try {
        m_app.calender1().show();
    } catch (const StoreError& error) {
        // Damaged organizer data: it stays closed, and the message says why and where.
        m_app.services().messageBox->show(this, QString::fromStdString(error.what()));
    }
}

// The frame hides and the full-screen window takes over, on the page the active browser
// window shows.
void MDIForm1::Command2_Click()
{
    setVisible(false);
    Form1& fullScreen = m_app.form1();
    connect(&fullScreen, &Form1::unloaded, this, &MDIForm1::show, Qt::UniqueConnection);
    fullScreen.show();
    ignoreFailure([&] {
        if (auto* browser = qobject_cast<MiniBrowse*>(activeChild()))
            fullScreen.navigate(browser->address());
    });
}

void MDIForm1::Timer1_Timer()
{
    timeOnline.tick();
    lbltime->setText(timeOnline.caption());
}

void MDIForm1::Timer2_Timer()
{
    const Clock& clock = *m_app.services().clock;
    setWindowTitle(Texts::kProductTitle + QStringLiteral(" / ") +
                   clock.timeText(clock.now().time()));
}

void MDIForm1::mnuExitItem_Click()
{
    close();
}

void MDIForm1::mnuIEItem_Click()
{
    m_app.services().shell->ControlPanelItem(Shell::kInternetOptions);
}

void MDIForm1::mnuCW_Click()
{
    arrange(Arrangement::Cascade);
}

void MDIForm1::mnuCH_Click()
{
    arrange(Arrangement::TileHorizontal);
}

void MDIForm1::mnuCV_Click()
{
    arrange(Arrangement::TileVertical);
}

void MDIForm1::mnuManualItem_Click()
{
    newBrowser(); // no home page, and WindowNums counts only "New Browser"
    const QString file = writeManual(TextFile::withCrLf(txtManual->toPlainText()),
                                     m_app.services().programInfo->programDirectory());
    auto* browser = qobject_cast<MiniBrowse*>(activeChild());
    if (file.isEmpty() || !browser)
        return;
    ignoreFailure([&] { browser->navigate(file); });
}

void MDIForm1::mnuAboutItem_Click()
{
    m_app.frmAbout().exec();
}

// The children that are neither minimised nor hidden, in the order they opened; cascading puts the
// active one last, in front of the others.
void MDIForm1::arrange(Arrangement arrangement)
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

int MDIForm1::titleBarHeight() const
{
    return mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

QMdiSubWindow* MDIForm1::showChild(QWidget* child)
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

MiniBrowse* MDIForm1::newBrowser()
{
    const PlatformServices& s = m_app.services();
    auto* browser = new MiniBrowse(*s.browsers, *s.messageBox, *s.shell, *s.programInfo);
    showChild(browser);
    return browser;
}

void MDIForm1::setFrameEnabled(bool enabled)
{
    setEnabled(enabled);
    if (enabled && m_activateWhenEnabled)
        mdiArea->setActiveSubWindow(std::exchange(m_activateWhenEnabled, nullptr));
}

void MDIForm1::openBrowser(const QString& address)
{
    MiniBrowse* browser = newBrowser();
    // An address the engine refuses still stands in the box, where the user can correct it.
    ignoreFailure([&] { browser->navigate(address); });
    browser->setAddressText(address);
}

QWidget* MDIForm1::activeChild() const
{
    QMdiSubWindow* current = mdiArea->currentSubWindow();
    return current ? current->widget() : nullptr;
}

void MDIForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // While the organizer or System Information is open the frame takes no input, so a
    // close from the window manager waits until they are done.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    mdiArea->closeAllSubWindows();
    event->accept();
    QCoreApplication::quit();
}
