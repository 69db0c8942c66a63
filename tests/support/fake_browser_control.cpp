#include "support/fake_browser_control.h"

#include "core/address_rules.h"
#include "core/errors.h"

void FakeBrowserControl::navigate(const QString& page)
{
    calls.append(QStringLiteral("navigate ") + page);
    const QString refusal = AddressRules::refusal(AddressRules::cleaned(page), guard);
    if (!refusal.isEmpty() || unreachable.contains(page))
        throw BrowserError(QStringLiteral("cannot navigate to ") + page);
    visit(page);
}

void FakeBrowserControl::stop()
{
    calls.append(QStringLiteral("stop"));
    if (stopFails)
        throw BrowserError(QStringLiteral("stop failed"));
}

void FakeBrowserControl::step(const QString& call, int by)
{
    calls.append(call);
    int to = position + by;
    while (to >= 0 && to < history.size() && skipped.contains(history[to]))
        to += by;
    if (to < 0 || to >= history.size())
        throw BrowserError(QStringLiteral("no page there"));
    position = to;
    show(history[position]);
}

void FakeBrowserControl::showPage(const QString& pageAddress, const QString& pageTitle)
{
    if (pageAddress != currentAddress)
        visit(pageAddress);
    currentTitle = pageTitle;
    emit titleChanged(pageTitle);
}

void FakeBrowserControl::visit(const QString& page)
{
    history = history.mid(0, position + 1);
    history.append(page);
    position = static_cast<int>(history.size()) - 1;
    show(page);
}

// Another address than the current one outside its "#" part is another document; every page
// shown has its address told.
void FakeBrowserControl::show(const QString& page)
{
    const bool newDocument = page.section('#', 0, 0) != currentAddress.section('#', 0, 0);
    currentAddress = page;
    if (newDocument) {
        emit documentRequested();
        emit documentStarted();
    }
    emit urlChanged(page);
}

void FakeDownload::progress(qint64 bytes, State state, const QString& reason)
{
    received = bytes;
    now = state;
    why = reason;
    emit changed();
}

BrowserControl* FakeBrowserProfile::createBrowser(QWidget* parent)
{
    auto* control = new FakeBrowserControl(parent);
    m_created.append(control);
    return control;
}

QList<FakeBrowserControl*> FakeBrowserProfile::controls() const
{
    QList<FakeBrowserControl*> alive;
    for (const auto& control : m_created)
        if (control)
            alive.append(control);
    return alive;
}
