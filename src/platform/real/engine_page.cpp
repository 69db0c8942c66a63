#include "platform/real/engine_page.h"

bool EnginePage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return m_answerUnasked || QWebEnginePage::javaScriptConfirm(origin, message);
}

void EnginePage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    if (!m_answerUnasked)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool EnginePage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                                  QString* result)
{
    return !m_answerUnasked && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}
