#pragma once

// The engine's page behind a browser control: where the engine's questions to the program are
// answered.

#include <QWebEnginePage>

class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    // While set, the page's own dialogs ("Are you sure you want to leave this page?", alerts,
    // prompts) are answered without being shown: leaving is allowed, prompts are cancelled.
    void setAnswerUnasked(bool unasked) { m_answerUnasked = unasked; }

protected:
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override;

private:
    bool m_answerUnasked = false;
};
