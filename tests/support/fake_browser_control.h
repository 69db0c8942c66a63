#pragma once

// A browser control that records what it is asked to do and keeps a simple history.

#include "core/internet_settings.h"
#include "platform/browser_profile.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>

class FakeBrowserControl : public BrowserControl {
    Q_OBJECT
public:
    using BrowserControl::BrowserControl;

    void navigate(const QString& address) override;
    void goBack() override { step(QStringLiteral("goBack"), -1); }
    void goForward() override { step(QStringLiteral("goForward"), 1); }
    void goHome() override { record(QStringLiteral("goHome"), InternetSettings::kDefaultHomePage); }
    void goSearch() override { record(QStringLiteral("goSearch"), QStringLiteral("search:")); }
    void refresh() override { calls.append(QStringLiteral("refresh")); }
    void stop() override;
    QString title() const override { return currentTitle; }
    QString url() const override { return currentAddress; }
    void setLeavingUnasked(bool) override {}
    void setGuard(AddressRules::Guard to) override { guard = to; }
    void setPictureHeld(bool held) override { pictureHeld = held; }
    void skipInHistory(const QString& address) override { skipped.insert(address); }
    void findText(const QString& text, bool backward) override
    {
        calls.append("findText " + text + (backward ? " backward" : ""));
    }
    double zoomFactor() const override { return zoom; }
    void setZoomFactor(double factor) override { zoom = factor; }
    void printPage() override { calls.append(QStringLiteral("printPage")); }

    // A page arrives: address and title change, and titleChanged is raised with the title. A
    // page at another address than the current one (a link followed) joins the history.
    void showPage(const QString& pageAddress, const QString& pageTitle);

    QStringList calls;         // "navigate <address>", "goBack", "findText <text>", ...
    QSet<QString> unreachable; // addresses that navigate() refuses with BrowserError
    bool stopFails = false;    // stop() raises BrowserError
    AddressRules::Guard guard = AddressRules::Guard::None;
    double zoom = 1;
    bool pictureHeld = false;
    QSet<QString> skipped; // entries that going back and forward pass over
    QString currentTitle;
    QString currentAddress;
    QStringList history; // addresses visited, in order
    int position = -1;   // the current entry of the history

private:
    void record(const QString& call, const QString& page)
    {
        calls.append(call);
        visit(page);
    }
    void step(const QString& call, int by); // through the history
    void visit(const QString& page);
    void show(const QString& page);
};

// A download whose progress the test sets.
class FakeDownload : public Download {
public:
    QString fileName() const override { return QStringLiteral("report.pdf"); }
    QString folder() const override { return QStringLiteral("/downloads"); }
    qint64 receivedBytes() const override { return received; }
    qint64 totalBytes() const override { return total; }
    State state() const override { return now; }
    QString failure() const override { return why; }
    void cancel() override { progress(received, State::Cancelled); }
    bool openFolder() override { return false; } // as on a desktop without a file manager
    // Moves the download on and tells its followers.
    void progress(qint64 bytes, State state = State::Running, const QString& reason = {});

    qint64 received = 0;
    qint64 total = 2048;
    State now = State::Running;
    QString why;
};

class FakeBrowserProfile : public BrowserProfile {
public:
    BrowserControl* createBrowser(QWidget* parent) override;
    void clearBrowsingData() override { ++clears; }
    // Every control made so far that still exists, oldest first.
    QList<FakeBrowserControl*> controls() const;
    int clears = 0; // how often the browsing data was cleared

private:
    QList<QPointer<FakeBrowserControl>> m_created;
};
