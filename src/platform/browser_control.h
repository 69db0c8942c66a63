#pragma once

// The embeddable web browser that every browser window, and the full-screen window, holds.

#include "core/address_rules.h"

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
    // addresses whose pages the window can test (AddressRules::fullScreenOpens), typed,
    // followed or redirected to, hands nothing to other programs, and asks nothing. Permissions
    // are denied, certificate errors refused, downloads cancelled, a page's full screen is the
    // window's own, and its context menu neither saves, opens elsewhere nor inspects.
    virtual void setGuard(AddressRules::Guard guard) = 0;
    // While held, the control shows what it showed when the hold began (black if nothing), and
    // the page loads unseen under it, out of reach of the mouse, the keys and assistive
    // technology.
    virtual void setPictureHeld(bool held) = 0;
    // Going back or forward passes over the entries at this address from now on.
    virtual void skipInHistory(const QString& address) = 0;

    // Highlights the text's matches and makes the next one (or the one before) current; an
    // empty text clears them. Answered by findResult.
    virtual void findText(const QString& text, bool backward) = 0;
    // The page's magnification, 1 for none. It is the site's: the control keeps it for the site,
    // also for later sessions, and takes a site's own as it goes there (1 for a site with none).
    virtual double zoomFactor() const = 0;
    virtual void setZoomFactor(double factor) = 0;
    // Asks where to print the page (a printer or a PDF file) and prints it; cancelling prints
    // nothing. Answered by printFinished.
    virtual void printPage() = 0;

signals:
    // The page's whole title; one the engine cuts (at 4096 characters) comes again whole.
    void titleChanged(const QString& text);
    // A guarded control did not follow a link, redirect or frame to this address.
    void navigationRefused(const QString& address);
    // The address of the page shown changed: a new page, a redirect, back, forward, or a move
    // within the page.
    void urlChanged(const QString& address);
    void statusTextChanged(const QString& text);
    // Loading goes on until progress reaches progressMax, also when it stops or fails.
    void progressChanged(int progress, int progressMax);
    // The pointer is on a link to the address; an empty address when it leaves the link.
    void linkHovered(const QString& address);
    // The page shown may give way to another document, asked for but not arrived yet.
    void documentRequested();
    // A new document starts loading: not a move within the page shown, as "#" links and a
    // page's own history entries are.
    void documentStarted();
    // A page asks for a new window, which never opens: the address it would show, and whether
    // the user's click asked for it (a link to another window, or a script the click ran).
    void newWindowRequested(const QString& address, bool clicked);
    // The current match's number (from 1; 0 for none) and the number of matches.
    void findResult(int current, int total);
    void printFinished(bool printed);
};
