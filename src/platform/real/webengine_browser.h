#pragma once

// The browser control over Qt WebEngine (Chromium).

#include "platform/browser_control.h"

#include <QPointer>
#include <QUrl>

#include <memory>

class BrowsingMemory;
class EnginePage;
class QLabel;
class QPrinter;
class QShortcut;
class QWebEngineFullScreenRequest;
class QWebEngineView;
class SettingsStore;

class WebEngineBrowser : public BrowserControl {
    Q_OBJECT
public:
    // The control shows the page, which it takes over; each site's zoom is kept in the memory.
    WebEngineBrowser(EnginePage* page, const SettingsStore& settings, BrowsingMemory& memory,
                     QWidget* parent = nullptr);
    ~WebEngineBrowser() override;

    void navigate(const QString& address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void goSearch() override;
    void refresh() override;
    void stop() override;
    QString title() const override;
    QString url() const override;
    void setLeavingUnasked(bool unasked) override;
    void setGuard(AddressRules::Guard guard) override;
    void setPictureHeld(bool held) override;
    // While held, assistive technology finds the picture in the view's place, not the page.
    bool pictureHeld() const;
    void skipInHistory(const QString& address) override;
    void findText(const QString& text, bool backward) override;
    double zoomFactor() const override { return m_zoomFactor; }
    void setZoomFactor(double factor) override;
    void printPage() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectEngineEvents();
    void passTitle(const QString& title);
    void showContextMenu(const QPoint& position);
    void answerFullScreen(QWebEngineFullScreenRequest request);
    void leavePageFullScreen();
    void holdPicture();
    void releasePicture();
    QShortcut* escapeLeavesFullScreen(QWidget* scope);
    // Goes by steps of one entry from the one given (back -1, forward 1) to the nearest entry not
    // skipped.
    bool stepInHistory(int from, int by);
    void passOverSkipped(const QUrl& url);

    void takeSiteZoom(const QUrl& url);

    const SettingsStore& m_settings;
    BrowsingMemory& m_memory;
    QWebEngineView* m_view;
    // In the view's place while the picture is held.
    QLabel* m_heldPicture;
    bool m_viewHadFocus = false; // when the hold began
    EnginePage* m_page;
    bool m_guarded = false;
    AddressRules::Guard m_guard = AddressRules::Guard::None;
    double m_zoomFactor = 1;
    QString m_zoomHost;                  // the site m_zoomFactor is for
    std::unique_ptr<QPrinter> m_printer; // while a page prints
    // The window the page's full screen shows in, over the whole screen.
    QPointer<QWidget> m_fullScreen;
    // Esc while the guarded control's page fills the screen.
    QShortcut* m_leaveFullScreen;
};
