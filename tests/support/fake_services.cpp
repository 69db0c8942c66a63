#include "support/fake_services.h"

#include "core/errors.h"

#include <QLocale>

MessageBox::Answer FakeMessageBox::show(QWidget* parent, const QString& prompt, Buttons buttons,
                                        const QString& title)
{
    parents.append(parent);
    prompts.append(prompt);
    titles.append(title);
    if (whileShown)
        whileShown();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
}

int FakeMessageBox::choose(QWidget* parent, const QString& prompt, const QStringList& choices,
                           int defaultChoice, const QString& title)
{
    show(parent, prompt, Buttons::Ok, title);
    choiceSets.append(choices);
    defaults.append(defaultChoice);
    return chosen.isEmpty() ? defaultChoice : chosen.takeFirst();
}

static const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString FakeClock::longDate(const QDate& date) const
{
    return kEnglish.toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

QString FakeClock::mediumTime(const QTime& time) const
{
    return kEnglish.toString(time, QStringLiteral("h:mm AP"));
}

QString FakeClock::timeText(const QTime& time) const
{
    return kEnglish.toString(time, QStringLiteral("h:mm:ss AP"));
}

void FakeWindowSystem::makeTopmost(QWidget& window, QWidget&)
{
    if (fails)
        throw PlatformError(QStringLiteral("the window system refused"));
    topmost.append(&window);
}

void FakePrinter::setFontSize(double points)
{
    if (fails)
        throw PrinterError(QStringLiteral("printer failed"));
    fontSizes.append(points);
}

void FakePrinter::print(const QString& text)
{
    if (fails)
        throw PrinterError(QStringLiteral("printer failed"));
    pending.append(text);
}

void FakePrinter::endDocument()
{
    if (fails)
        throw PrinterError(QStringLiteral("printer failed"));
    printed.append(std::exchange(pending, {}));
}
