#pragma once

// A browser window inside the main frame: the address box and buttons, then the page. Its
// keys: Ctrl+F find, Ctrl+plus / minus / 0 zoom, Ctrl+P print, Alt+Left / Alt+Right back and
// forward, F5 reload, Esc (in the page) stop, Ctrl+L the address box.

#include "core/text_order.h"

#include <QWidget>

class AddressCompletion;
class BrowserControl;
class BrowserProfile;
class BrowsingMemory;
class FindBar;
class LineShape;
class MessageBox;
class PageNote;
class ProgramInfo;
class QComboBox;
class QTimer;
class QToolButton;
class Shell;

class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    inline static const QString kFirstCaption =
        QStringLiteral(QT_TRANSLATE_NOOP("BrowserWindow", "MDI Browser"));
    inline static const QString kFirstAddressText =
        QStringLiteral(QT_TRANSLATE_NOOP("BrowserWindow", "Enter URL"));

    // The address box offers the pages of the browsing memory as the user types.
    BrowserWindow(BrowserProfile& profile, BrowsingMemory& memory, MessageBox& messages,
                  Shell& shell, const ProgramInfo& program, QWidget* parent = nullptr);

    QWidget* const buttonPanel;
    QComboBox* const addressBox;
    AddressCompletion* const addressCompletion;
    LineShape* const loadingBar;
    QToolButton* const backButton;
    QToolButton* const stopButton;
    QToolButton* const forwardButton;
    QToolButton* const homeButton;
    QToolButton* const reloadButton;
    QToolButton* const searchButton;
    QToolButton* const settingsButton;
    QToolButton* const mailButton;
    QTimer* const loadingBarTimer;
    BrowserControl* const browser;
    // Under the panel while open (Ctrl+F).
    FindBar* const findBar;
    // Over the page's lower-left corner: where a hovered link leads, or a blocked window.
    PageNote* const pageNote;

    // What the window's openers ask of it. Navigating raises BrowserError when the address is
    // none.
    void goHome();
    void navigate(const QString& address);
    void setAddressText(const QString& text);
    QString address() const;
    // Ctrl+L: the focus in the address box, its text selected.
    void focusAddressBox();
    // Ctrl+plus (steps > 0) and Ctrl+minus: the page one step larger or smaller.
    void zoomBy(int steps);

public slots:
    void takeFirstSize();
    void layOutContents();
    void handleAddressKey(int keyCode);
    // "Stop Loading Page"
    void stopLoading();
    // "Go Foreward"
    void goForward();
    // "Go Backward"
    void goBack();
    // "Reload Page"
    void reload();
    // "Search the Web"
    void searchWeb();
    // "Change IE4 Settings": the Internet options
    void showInternetOptions();
    // "Send E-mail"
    void sendMail();
    // The loading bar back to dark blue.
    void resetLoadingBar();
    void answerNewWindow(const QString& address, bool clicked);
    void flashLoadingBar(const QString& text);
    void followProgress(int progress, int progressMax);
    void showTitle(const QString& text);
    // The address box follows the page, unless the user is typing in it.
    void showPageAddress(const QString& address);
    void showLinkAddress(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createAddressBox();
    void createButtons();
    void nameControls();
    void connectBrowser();
    void createShortcuts();
    void noteTitleShown() const;
    bool isAddressBeingTyped() const;

    MessageBox& m_messages;
    Shell& m_shell;
    const ProgramInfo& m_program;
    TextOrder m_order;
    bool m_loaded = false;
    bool m_pageLoading = false;
};
