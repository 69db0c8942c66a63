#pragma once

// Fakes of the smaller platform services and of the main frame as its windows see it.

#include "core/machine_settings.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/program_info.h"
#include "platform/refusal_log.h"
#include "platform/shell.h"
#include "platform/window_system.h"
#include "support/fake_file_dialog.h"
#include "widgets/main_frame_link.h"

#include <QList>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>

class FakeMessageBox : public MessageBox {
public:
    Answer show(QWidget* parent, const QString& prompt, Buttons buttons,
                const QString& title) override;
    // Records the question like a box, then takes the next choice; the default when none is left.
    int choose(QWidget* parent, const QString& prompt, const QStringList& choices,
               int defaultChoice, const QString& title) override;
    // The same, and the check box is left as the next of checks says; clear when none is left.
    int chooseWithCheckBox(QWidget* parent, const QString& prompt, const QStringList& choices,
                           int defaultChoice, const QString& checkText, bool* checked) override;
    // Records the question like a box, then gives the next login; cancelled when none is left.
    std::optional<Login> askLogin(QWidget* parent, const QString& prompt,
                                  const QString& title) override;

    QList<QPointer<QWidget>> parents;
    QStringList prompts;
    QList<Buttons> offered;
    QList<Answer> answers; // given in turn to questions; No or Cancel when none is left
    QList<int> chosen;     // given in turn to questions
    QList<bool> checks;    // given in turn to questions with a check box
    QList<std::optional<Login>> logins; // given in turn to login questions
    // What happens while a box is open, as a modal box lets events through.
    std::function<void()> whileShown;
};

// The machine's settings as the test sets them.
class FakeMachineSettings : public MachineSettingsSource {
public:
    MachineSettings read() const override { return settings; }

    MachineSettings settings;
};

class FakeRefusalLog : public RefusalLog {
public:
    void record(const QString& title, const QString& address, const QString& entry) override
    {
        records.append(title + " | " + address + " | " + entry);
    }

    QStringList records; // "title | address | entry"
};

class FakeShell : public Shell {
public:
    void openControlPanelItem(const QString& name) override { opened.append(name); }

    QStringList opened;
};

// A clock that stands still at a time the test sets, with fixed US English formats.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    QString longDate(const QDate& day) const override { return english(day, "dddd, MMMM d, yyyy"); }
    QString mediumTime(const QTime& time) const override { return english(time, "h:mm AP"); }
    QString timeText(const QTime& time) const override { return english(time, "h:mm:ss AP"); }

    QDateTime current{QDate(1998, 4, 19), QTime(15, 45, 7)};

private:
    template <class Value> static QString english(const Value& value, const QString& format)
    {
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(value, format);
    }
};

class FakeProgramInfo : public ProgramInfo {
public:
    QString commandLine() const override { return line; }
    QString programDirectory() const override { return directory; }
    // 1024 by 768 pixels at 96 dots per inch
    QSize screenSizeTwips(const QWidget*) const override { return {15360, 11520}; }

    QString line;
    QString directory = QStringLiteral("/opt/brivola");
};

// A window system that remembers which windows it was asked to keep on top.
class FakeWindowSystem : public WindowSystem {
public:
    void makeTopmost(QWidget& window, QWidget& owner) override;

    QList<QPointer<QWidget>> topmost; // every window made topmost, in order
    bool fails = false;               // makeTopmost raises PlatformError
};

// A printer that keeps the documents it was sent.
class FakePrinter : public Printer {
public:
    void setFontSize(double) override { check(); }
    void print(const QString& text) override
    {
        check();
        pending.append(text);
    }
    void endDocument() override
    {
        check();
        printed.append(std::exchange(pending, {}));
    }

    QStringList pending;        // lines printed since the last document ended
    QList<QStringList> printed; // every document sent, as its lines
    bool fails = false;         // every call raises PrinterError

private:
    void check() const;
};

// The main frame as a window it opened sees it: whether it takes input, the shared save dialog,
// and whether a window may ask.
class FakeFrameLink : public MainFrameLink {
public:
    void setFrameEnabled(bool enabled) override { this->enabled = enabled; }
    void openBrowser(const QString&) override {}
    FileDialog& fileDialog() override { return dialog; }
    bool mayAsk() const override { return asks; }

    bool enabled = true;
    bool asks = true;
    FakeFileDialog dialog;
};
