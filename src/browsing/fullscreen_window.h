#pragma once

// The full-screen browser window: one borderless page over the whole screen, steered from the
// floating toolbar, that refuses pages whose titles hold a word of the restriction list.

#include "browsing/passphrase_dialog.h"
#include "core/address_rules.h"
#include "core/machine_settings.h"
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
class RefusalLog;
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
        QStringLiteral(QT_TRANSLATE_NOOP("FullScreenWindow", "That page violates parental rules"));
    // In place of that message while the machine's list cannot be read: every page is refused.
    inline static const QString kUnreadableMessage = QStringLiteral(QT_TRANSLATE_NOOP(
        "FullScreenWindow",
        "The list of restricted pages could not be read, so every page is refused. A parent can "
        "repair it with brivola-restrictions.\n\n%1"));
    // Leaving is refused while the guard cannot tell a parent's passphrase.
    inline static const QString kGuardDamagedMessage = QStringLiteral(QT_TRANSLATE_NOOP(
        "FullScreenWindow",
        "The full-screen guard is damaged, so full-screen mode cannot be left. A parent can "
        "repair it with \"brivola-restrictions --system passphrase\".\n\n%1"));

    // Loading reads the restriction lists, the user's and the machine's, the machine's guard,
    // and loads the toolbar. Refusals are recorded in the log.
    FullScreenWindow(BrowserProfile& profile, const SettingsStore& settings,
                     const MachineSettingsSource& machine, RefusalLog& refusalLog,
                     MessageBox& messages, const ProgramInfo& program, WindowSystem& windowSystem,
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
    // An address from outside the program (another start of it): it goes through the same
    // address rules and title test as a typed one. Empty: nothing to open.
    void openFromOutside(const QString& address);
    // Leaving asks for a parent's passphrase (or is refused while the guard is damaged).
    bool leavingGuarded() const;

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
    // While a parent's passphrase guards full-screen mode, leaving asks for it first.
    void askToLeave();
    // Ends full-screen mode without the passphrase, as the whole program ends on a signal,
    // which no passphrase could stop: nobody may be there to type it.
    void leaveWithoutQuestions();

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
    void showPageIfPassed(const QString& title, bool loaded);
    void leaveRefusedPage(bool& replaced);
    bool showsRefusedPage() const;
    bool refusedPageStopped() const;
    void keepRefusedPageAway();
    QString guardDamage() const;

    const SettingsStore& m_settings;
    const MachineSettingsSource& m_machineSource;
    RefusalLog& m_refusalLog;
    MachineSettings m_machine; // as read at load
    PassphraseDialog::Tries m_tries;
    bool m_mayLeave = false; // the passphrase was given
    MessageBox& m_messages;
    const ProgramInfo& m_program;
    WindowSystem& m_windowSystem;
    ToolbarWindow& m_toolbar;
    QTimer* m_refusalCheck;
    bool m_refusalShown = false; // a refusal's box is open
    bool m_documentLeft = false; // another document was asked for since the refusal
    bool m_loading = false;      // a document started loading and has not come in whole
    bool m_refusedWhileLoading = false;
    bool m_movingBack = false; // from the refused page, to the page before
    QString m_refusedAddress;
};
