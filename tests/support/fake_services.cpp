#include "support/fake_services.h"

#include "core/errors.h"

MessageBox::Answer FakeMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                        const QString&)
{
    parents.append(parent);
    prompts.append(prompt);
    if (whileShown)
        whileShown();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
}

int FakeMessageBox::choose(QWidget* parent, const QString& prompt, const QStringList&,
                           int defaultChoice, const QString& title)
{
    show(parent, prompt, Buttons::Ok, title);
    return chosen.isEmpty() ? defaultChoice : chosen.takeFirst();
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
