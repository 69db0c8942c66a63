#include "support/fake_services.h"

#include "core/errors.h"

MessageBox::Answer FakeMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                        const QString&)
{
    parents.append(parent);
    prompts.append(prompt);
    offered.append(buttons);
    if (whileShown)
        whileShown();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

int FakeMessageBox::choose(QWidget* parent, const QString& prompt, const QStringList&,
                           int defaultChoice, const QString& title)
{
    show(parent, prompt, Buttons::Ok, title);
    return chosen.isEmpty() ? defaultChoice : chosen.takeFirst();
}

int FakeMessageBox::chooseWithCheckBox(QWidget* parent, const QString& prompt,
                                       const QStringList& choices, int defaultChoice,
                                       const QString&, bool* checked)
{
    *checked = !checks.isEmpty() && checks.takeFirst();
    return choose(parent, prompt, choices, defaultChoice, Texts::kProductTitle);
}

std::optional<MessageBox::Login> FakeMessageBox::askLogin(QWidget* parent, const QString& prompt,
                                                          const QString& title)
{
    show(parent, prompt, Buttons::Ok, title);
    return logins.isEmpty() ? std::nullopt : logins.takeFirst();
}

void FakeWindowSystem::makeTopmost(QWidget& window, QWidget&)
{
    if (fails)
        throw PlatformError(QStringLiteral("the window system refused"));
    topmost.append(&window);
}

void FakePrinter::check() const
{
    if (fails)
        throw PrinterError(QStringLiteral("printer failed"));
}
