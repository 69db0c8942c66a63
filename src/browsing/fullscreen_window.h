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
class FullScreenToolbar;
class MessageBox;
class MouseLabel;
class PageNote;
class ProgramInfo;
class QPushButton;
class QTimer;
class SettingsStore;
class WindowSystem;

// The toolbar, loaded for the page it steers.
using ToolbarWindow = GlobalWindow<FullScreenToolbar, BrowserControl&>;

class FullScreenWindow : public QWidget {
    Q_OBJECT
public:
    // Shown in place of a refused page that has no earlier page to go back to.
    inline static const QString kRefusedPage = AddressRules::kEmptyPage;
    inline static const QString kRefusedMessage =
        QStringLiteral("That page violates parental rules");

    // Loading reads the restriction lists, the user's and the machine's, and loads the toolbar.
    FullScreenWindow(BrowserProfile& profile, const SettingsStore& settings,
                     const SettingsStore& systemSettings, MessageBox& messages,
                     const ProgramInfo& program, WindowSystem& windowSystem,
                     ToolbarWindow& toolbar);

    QPushButton* const toolbarButton;
    BrowserControl* const browser;
    MouseLabel* const revealStrip;
    // Over the page's lower-left corner: a window the page was refused.
    PageNote* const pageNote;
    QTimer* const lampTimer;
    // The restriction words, the user's list then the machine's, read at every load.
    RestrictionList restrictions;
    // The titles seen in this window, in order of arrival.
    QStringList titlesSeen;
    // The current page's title.
    QString currentTitle;

    // The main frame hands over the page the user was reading.
    void navigate(const QString& address);

public slots:
    void load();
    void fitScreen();
    // "&Q": show the toolbar, or give its address box the focus.
    void summonToolbar();
    // The strip along the top edge: show or hide the toolbar.
    void toggleToolbar();
    // The toolbar's lamp back to blue.
    void resetLamp();
    void answerNewWindow(const QString& address, bool clicked);
    void showProgress(int progress, int progressMax);
    void checkTitle(const QString& text);
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
    FullScreenToolbar& toolbar();
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
