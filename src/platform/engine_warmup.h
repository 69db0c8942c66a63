#pragma once

// Starts the web engine and a first page renderer while the splash shows, so that the first
// browser window does not wait for them.

#include <QString>

#include <memory>

class QWebEnginePage;

class EngineWarmUp {
public:
    explicit EngineWarmUp(const QString& address);
    ~EngineWarmUp();

private:
    std::unique_ptr<QWebEnginePage> m_page;
};
