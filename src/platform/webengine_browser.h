#pragma once

// The browser control over Qt WebEngine (Chromium).

#include "platform/browser_control.h"

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

    QWebEngineView* view() const { return m_view; }

private:
    void connectEngineEvents();

    const SettingsStore& m_settings;
    QWebEngineView* m_view;
};

class WebEngineBrowserFactory : public BrowserFactory {
public:
    explicit WebEngineBrowserFactory(const SettingsStore& settings) : m_settings(settings) {}
    BrowserControl* create(QWidget* parent) override;

private:
    const SettingsStore& m_settings;
};
