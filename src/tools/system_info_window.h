#pragma once

// The System Information window: a report of this machine, updated and printed on request,
// kept in front of the main frame, which waits disabled until it closes.

#include <QWidget>

class Clock;
class MainFrameLink;
class MessageBox;
class Printer;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class SystemInfo;

class System : public QWidget {
    Q_OBJECT
public:
    System(const SystemInfo& machine, const Clock& clock, Printer& printer, MessageBox& messages,
           MainFrameLink& frame);

    QPushButton* const Command1;
    QPushButton* const Command2;
    QPlainTextEdit* const txtSystem;
    QTimer* const Timer1;

public slots:
    void Form_Load();
    void Form_Resize();
    // "Update": builds the report afresh.
    void Command1_Click();
    // "Print": sends the report to the default printer.
    void Command2_Click();
    // Brings the window to the front.
    void Timer1_Timer();
    // The main frame takes input again.
    void Form_Unload();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const SystemInfo& m_machine;
    const Clock& m_clock;
    Printer& m_printer;
    MessageBox& m_messages;
    MainFrameLink& m_frame;
};
