#pragma once

// A browser window inside the main frame: the address box and buttons, then the page. Its
// keys: Ctrl+F find, Ctrl+plus / minus / 0 zoom, Ctrl+P print, Alt+Left / Alt+Right back and
// forward, F5 reload, Esc (in the page) stop, Ctrl+L the address box.

#include "core/text_order.h"

#include <QWidget>

class BrowserControl;
class BrowserProfile;
class FindBar;
class LineShape;
class MessageBox;
class ProgramInfo;
class QComboBox;
class QTimer;
class QToolButton;
class Shell;

class MiniBrowse : public QWidget {
    Q_OBJECT
public:
    inline static const QString kFirstCaption = QStringLiteral("MDI Browser");
    inline static const QString kFirstAddressText = QStringLiteral("Enter URL");

    MiniBrowse(BrowserProfile& profile, MessageBox& messages, Shell& shell,
               const ProgramInfo& program, QWidget* parent = nullptr);

    QWidget* const Picture2;
    QComboBox* const Combo1;
    LineShape* const Line1;
    QToolButton* const Command3;
    QToolButton* const Command1;
    QToolButton* const Command2;
    QToolButton* const Command4;
    QToolButton* const Command5;
    QToolButton* const Command6;
    QToolButton* const Command7;
    QToolButton* const Command8;
    QTimer* const Timer1;
    BrowserControl* const WebBrowser1;
    // Under the panel while open (Ctrl+F).
    FindBar* const findBar;

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
    void Form_Load();
    void Form_Resize();
    void Combo1_KeyDown(int keyCode);
    // "Stop Loading Page"
    void Command1_Click();
    // "Go Foreward"
    void Command2_Click();
    // "Go Backward"
    void Command3_Click();
    // "Go Home"
    void Command4_Click();
    // "Reload Page"
    void Command5_Click();
    // "Search the Web"
    void Command6_Click();
    // "Change IE4 Settings": the Internet options
    void Command7_Click();
    // "Send E-mail"
    void Command8_Click();
    // The loading bar back to dark blue.
    void Timer1_Timer();
    void WebBrowser1_NewWindow2(bool* cancel);
    void WebBrowser1_StatusTextChange(const QString& text);
    void WebBrowser1_TitleChange(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createAddressBox();
    void createButtons();
    void connectBrowser();
    void createShortcuts();
    void noteTitleShown() const;

    MessageBox& m_messages;
    Shell& m_shell;
    const ProgramInfo& m_program;
    TextOrder m_order;
    bool m_loaded = false;
};
