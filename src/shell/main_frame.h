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
class BrowserWindow;
class DownloadsWindow;
class FullScreenWindow;
class HistoryWindow;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QuickNoteWindow;
class QTimer;

class MainFrame : public QMainWindow, public MainFrameLink {
    Q_OBJECT
public:
    explicit MainFrame(App& app);

    // Browser windows opened through "New Browser" since the frame loaded, the first included.
    qint64 browsersOpened = 0;
    // The time online, in hours, minutes and seconds.
    TimeOnline timeOnline;

    QWidget* const buttonStrip;
    QWidget* const buttonBar;
    QPushButton* const newBrowserButton;
    QPushButton* const newQuickNoteButton;
    QPushButton* const systemInfoButton;
    QPushButton* const organizerButton;
    QPushButton* const fullScreenButton;
    QLabel* const clockLabel;
    // The built-in manual, hidden.
    QPlainTextEdit* const manualText;
    QMdiArea* const mdiArea;
    QTimer* const timeOnlineTimer;
    QTimer* const timeOfDayTimer;
    // The save-file dialog every QuickNote uses, so the name chosen last is offered again.
    const std::unique_ptr<FileDialog> saveDialog;
    // Every download of the session, also those of full-screen mode; File > "Downloads".
    DownloadsWindow* const downloadsWindow;
    HistoryWindow* const historyWindow;

    QMenu* windowMenu = nullptr;
    QAction* newBrowserAction = nullptr;
    QAction* newQuickNoteAction = nullptr;
    QAction* downloadsAction = nullptr;
    QAction* historyAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* systemInfoAction = nullptr;
    QAction* organizerAction = nullptr;
    QAction* internetOptionsAction = nullptr;
    QAction* fullScreenAction = nullptr;
    QAction* cascadeAction = nullptr;
    QAction* tileHorizontalAction = nullptr;
    QAction* tileVerticalAction = nullptr;
    QAction* manualAction = nullptr;
    QAction* aboutAction = nullptr;

    void setFrameEnabled(bool enabled) override;
    void openBrowser(const QString& address) override;
    FileDialog& fileDialog() override { return *saveDialog; }
    bool mayAsk() const override { return m_mayAsk; }
    // From now on nothing asks: as the frame closes, unsaved QuickNote text goes and running
    // downloads are cancelled, for an ending nobody is there to answer (a signal).
    void stopAsking() { m_mayAsk = false; }

    // Adds a window to the frame and shows it; being the newest, it becomes the active child.
    QMdiSubWindow* showChild(QWidget* child);
    // A new browser window in the frame, on no page yet.
    BrowserWindow* newBrowser();
    // The active child window's content, or nullptr without one.
    QWidget* activeChild() const;
    // Closes as Exit does but asks nothing.
    void closeWithoutQuestions();

public slots:
    void load();
    void centreButtonBar();
    // "New Browser", also File > "&New Browser".
    void openNewBrowser();
    // "New QuickNote", also File > "New &QuickNote".
    void openQuickNote();
    // "SystemInfo", also Tools > "&System Informaton".
    void showSystemInfo();
    // "Organizer/Favorites", also Tools > "&Organizer and Favorites".
    void showOrganizer();
    // "Full Screen", also Window > "&Full Screen".
    void enterFullScreen();
    // The program starts in full-screen mode, on its own first page; the frame shows maximised
    // once full-screen mode ends.
    void startInFullScreen();
    // "Time Online" clock.
    void tickTimeOnline();
    // Time of day in the title.
    void showTimeOfDay();
    void exitProgram();
    // Tools > "&Internet Explorer Settings".
    void showInternetOptions();
    void cascade();
    void tileHorizontally();
    void tileVertically();
    // Help > "&Manual" (F1): writes the manual and opens it in a new browser window.
    void showManual();
    // Help > "&About"
    void showAbout();
    void arrange(Arrangement arrangement);
    // Full-screen mode has ended: the frame is back, and usable again.
    void returnFromFullScreen();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FullScreenWindow& showFullScreenWindow();
    void createButtonBar();
    void createMenus();
    void createClocks();
    void listChildWindows();
    int titleBarHeight() const;
    // Asks before running downloads are cancelled and unsaved notes are lost; true when the
    // frame may close.
    bool askToCloseWork();
    QList<QuickNoteWindow*> notes() const;

    App& m_app;
    QList<QAction*> m_childWindowItems;
    int m_childrenOpened = 0;
    // A child opened while the frame took no input becomes the active one when it takes it again.
    QPointer<QMdiSubWindow> m_activateWhenEnabled;
    bool m_mayAsk = true;
};
