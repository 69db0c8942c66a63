#pragma once

// The main frame: browser windows and QuickNotes inside, its button bar, menus and clocks.

#include "core/time_online.h"
#include "core/window_arrangement.h"
#include "platform/file_dialog.h"
#include "widgets/main_frame_link.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class App;
class DownloadsWindow;
class MiniBrowse;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class MDIForm1 : public QMainWindow, public MainFrameLink {
    Q_OBJECT
public:
    explicit MDIForm1(App& app);

    // Browser windows opened through "New Browser" since the frame loaded, the first included.
    qint64 WindowNums = 0;
    // SOL, MOL and HOL: the time online.
    TimeOnline timeOnline;

    QWidget* const Picture1;
    QWidget* const Picture2;
    QPushButton* const cmdBrowser;
    QPushButton* const cmdQuick;
    QPushButton* const cmdSysInfo;
    QPushButton* const Command1;
    QPushButton* const Command2;
    QLabel* const lbltime;
    // The built-in manual, hidden.
    QPlainTextEdit* const txtManual;
    QMdiArea* const mdiArea;
    QTimer* const Timer1;
    QTimer* const Timer2;
    // The save-file dialog every QuickNote uses, so the name chosen last is offered again.
    const std::unique_ptr<FileDialog> CommonDialog1;
    // Every download of the session, also those of full-screen mode; File > "Downloads".
    DownloadsWindow* const downloadsWindow;

    QMenu* mnuWindow = nullptr;
    QAction* mnuBrowserItem = nullptr;
    QAction* mnuQuicknote = nullptr;
    QAction* mnuDownloads = nullptr;
    QAction* mnuExitItem = nullptr;
    QAction* mnuSysInfo = nullptr;
    QAction* mnuOrg = nullptr;
    QAction* mnuIEItem = nullptr;
    QAction* mnuFullScreen = nullptr;
    QAction* mnuCW = nullptr;
    QAction* mnuCH = nullptr;
    QAction* mnuCV = nullptr;
    QAction* mnuManualItem = nullptr;
    QAction* mnuAboutItem = nullptr;

    void setFrameEnabled(bool enabled) override;
    void openBrowser(const QString& address) override;
    FileDialog& fileDialog() override { return *CommonDialog1; }

    // Adds a window to the frame and shows it; being the newest, it becomes the active child.
    QMdiSubWindow* showChild(QWidget* child);
    // A new browser window in the frame, on no page yet.
    MiniBrowse* newBrowser();
    // The active child window's content, or nullptr without one.
    QWidget* activeChild() const;

public slots:
    void MDIForm_Load();
    void MDIForm_Resize();
    // "New Browser", also File > "&New Browser".
    void cmdBrowser_Click();
    // "New QuickNote", also File > "New &QuickNote".
    void cmdQuick_Click();
    // "SystemInfo", also Tools > "&System Informaton".
    void cmdSysInfo_Click();
    // "Organizer/Favorites", also Tools > "&Organizer and Favorites".
    void Command1_Click();
    // "Full Screen", also Window > "&Full Screen".
    void Command2_Click();
    // "Time Online" clock.
    void Timer1_Timer();
    // Time of day in the title.
    void Timer2_Timer();
    void mnuExitItem_Click();
    // Tools > "&Internet Explorer Settings".
    void mnuIEItem_Click();
    void mnuCW_Click();
    void mnuCH_Click();
    void mnuCV_Click();
    // Help > "&Manual" (F1): writes the manual and opens it in a new browser window.
    void mnuManualItem_Click();
    // Help > "&About"
    void mnuAboutItem_Click();
    void arrange(Arrangement arrangement);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createButtonBar();
    void createMenus();
    void createClocks();
    void listChildWindows();
    int titleBarHeight() const;

    App& m_app;
    QList<QAction*> m_childWindowItems;
    int m_childrenOpened = 0;
    // A child opened while the frame took no input becomes the active one when it takes it again.
    QPointer<QMdiSubWindow> m_activateWhenEnabled;
};
