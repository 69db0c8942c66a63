#pragma once

// The embeddable web browser that every browser window, and the full-screen window, holds.

#include <QString>
#include <QWidget>

class BrowserControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Operations that cannot be done raise BrowserError: an address the control refuses (see
    // AddressRules), going back or forward with no page to go to. Words that are no address
    // open the search page with them as its query.
    virtual void navigate(const QString& address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void goHome() = 0;
    virtual void goSearch() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;

    virtual QString title() const = 0; // the current page's title
    virtual QString url() const = 0;   // the current page's address

    // While set, the page can neither keep the user from leaving it nor hold them with its own
    // dialogs: its questions are answered without being shown.
    virtual void setLeavingUnasked(bool unasked) = 0;
    // A guarded control is the full-screen window's, where a child browses: it opens only
    // addresses whose pages the window can test, and asks nothing. Permissions are denied,
    // certificate errors refused, and a page's full screen is the window's own.
    virtual void setGuarded(bool guarded) = 0;

    // Highlights the text's matches and makes the next one (or the one before) current; an
    // empty text clears them. Answered by findResult.
    virtual void findText(const QString& text, bool backward) = 0;
    // The page's magnification, 1 for none; it stays as the control goes to other pages.
    virtual double zoomFactor() const = 0;
    virtual void setZoomFactor(double factor) = 0;
    // Asks where to print the page (a printer or a PDF file) and prints it; cancelling prints
    // nothing. Answered by printFinished.
    virtual void printPage() = 0;

signals:
    void titleChanged(const QString& text);
    void statusTextChanged(const QString& text);
    void progressChanged(int progress, int progressMax);
    // A new document starts loading: not a move within the page shown, as "#" links and a
    // page's own history entries are.
    void documentStarted();
    // A page asks for a new window; a handler that sets *cancel to true keeps it from opening.
    void newWindowRequested(bool* cancel);
    // The current match's number (from 1; 0 for none) and the number of matches.
    void findResult(int current, int total);
    void printFinished(bool printed);
};
