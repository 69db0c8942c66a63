#pragma once

// The browser control over Qt WebEngine (Chromium).

#include "platform/browser_profile.h"

class EnginePage;
class QWebEngineView;
class SettingsStore;

class WebEngineBrowser : public BrowserControl {
    Q_OBJECT
public:
    WebEngineBrowser(const SettingsStore& settings, QWidget* parent = nullptr);

    void Navigate(const QString& address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    QString LocationName() const override;
    QString LocationURL() const override;
    void setLeavingUnasked(bool unasked) override;
    void setGuarded(bool guarded) override { m_guarded = guarded; }

private:
    void connectEngineEvents();

    const SettingsStore& m_settings;
    QWebEngineView* m_view;
    EnginePage* m_page;
    bool m_guarded = false;
};

class WebEngineProfile : public BrowserProfile {
public:
    explicit WebEngineProfile(const SettingsStore& settings) : m_settings(settings) {}
    BrowserControl* createBrowser(QWidget* parent) override;
    void clearBrowsingData() override;

private:
    const SettingsStore& m_settings;
};
