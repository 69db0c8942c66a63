#pragma once

// The full-screen browser window: one borderless page over the whole screen, steered from the
// floating toolbar, that refuses pages whose titles hold a word of the restriction list.

#include "core/address_rules.h"
#include "core/restriction_list.h"
#include "widgets/global_window.h"

#include <QStringList>
#include <QWidget>

class BrowserControl;
class BrowserProfile;
class Form2;
class MessageBox;
class MouseLabel;
class ProgramInfo;
class QPushButton;
class QTimer;
class SettingsStore;
class WindowSystem;

// The toolbar, loaded for the page it steers.
using ToolbarWindow = GlobalWindow<Form2, BrowserControl&>;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Shown in place of a refused page that has no earlier page to go back to.
    inline static const QString kRefusedPage = AddressRules::kEmptyPage;
    inline static const QString kRefusedMessage =
        QStringLiteral("That page violates parental rules");

    // Loading reads the restriction lists, the user's and the machine's, and loads the toolbar.
    Form1(BrowserProfile& profile, const SettingsStore& settings,
          const SettingsStore& systemSettings, MessageBox& messages, const ProgramInfo& program,
          WindowSystem& windowSystem, ToolbarWindow& toolbar);

    QPushButton* const Command1;
    BrowserControl* const WebBrowser1;
    MouseLabel* const Picture1;
    QTimer* const Timer1;
    // The restriction words, the user's list then the machine's, read at every load.
    RestrictionList List3;
    // The titles seen in this window, in order of arrival.
    QStringList List2;
    // The current page's title.
    QString Text1;

    // The main frame hands over the page the user was reading.
    void navigate(const QString& address);

public slots:
    void Form_Load();
    void Form_Resize();
    // "&Q": show the toolbar, or give its address box the focus.
    void Command1_Click();
    // The strip along the top edge: show or hide the toolbar.
    void Picture1_Click();
    // The toolbar's lamp back to blue.
    void Timer1_Timer();
    void WebBrowser1_NewWindow2(bool* cancel);
    void WebBrowser1_ProgressChange(int progress, int progressMax);
    void WebBrowser1_TitleChange(const QString& text);
    // A moment after a refusal: the refused page is seen gone, or the empty page replaces it.
    void endRefusal();

signals:
    // Full-screen mode has ended: the window and its toolbar are gone.
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectBrowser();
    // The window over its whole screen, the page below the strip, the strip on top.
    void coverScreen();
    void placeBrowser();
    void placeStrip();
    void placeToolbarTop();
    Form2& toolbar();
    void showToolbar();
    void refuseRestricted(const QString& title);
    void leaveRefusedPage(bool& replaced);
    bool showsRefusedPage() const;
    bool refusedPageStopped() const;
    void keepRefusedPageAway();

    const SettingsStore& m_settings;
    const SettingsStore& m_systemSettings;
    MessageBox& m_messages;
    const ProgramInfo& m_program;
    WindowSystem& m_windowSystem;
    ToolbarWindow& m_toolbar;
    QTimer* m_refusalCheck;
    bool m_refusalShown = false; // a refusal's box is open
    bool m_documentLeft = false; // a new document started loading since the refusal
    bool m_loading = false;      // a document started loading and has not come in whole
    bool m_refusedWhileLoading = false;
    QString m_refusedAddress;
};
