#pragma once

// The embeddable web browser every browser window holds as WebBrowser1.

#include <QString>
#include <QWidget>

class BrowserControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Operations that cannot be done raise BrowserError: an address the control refuses (see
    // AddressRules), going back or forward with no page to go to.
    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;

    virtual QString LocationName() const = 0; // the current page's title
    virtual QString LocationURL() const = 0;  // the current page's address

    // While set, the page can neither keep the user from leaving it nor hold them with its own
    // dialogs: its questions are answered without being shown.
    virtual void setLeavingUnasked(bool unasked) = 0;
    // A guarded control is the full-screen window's, where a child browses: it opens only
    // addresses whose pages the window can test.
    virtual void setGuarded(bool guarded) = 0;

signals:
    void TitleChange(const QString& text);
    void StatusTextChange(const QString& text);
    void ProgressChange(int progress, int progressMax);
    // A new document starts loading: not a move within the page shown, as "#" links and a
    // page's own history entries are.
    void NewDocument();
    // A page asks for a new window; a handler that sets *cancel to true keeps it from opening.
    void NewWindow2(bool* cancel);
};
