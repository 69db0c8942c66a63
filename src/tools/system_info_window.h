#pragma once

// The System Information window: a report of this machine, updated and printed on request,
// kept in front of the main frame that owns it, which waits disabled until it closes.

#include <QWidget>

class Clock;
class MainFrameLink;
class MessageBox;
class Printer;
class QPlainTextEdit;
class QPushButton;
class SystemInfo;

class SystemInfoWindow : public QWidget {
    Q_OBJECT
public:
    SystemInfoWindow(const SystemInfo& machine, const Clock& clock, Printer& printer,
                     MessageBox& messages, MainFrameLink& frame, QWidget* owner = nullptr);

    QPushButton* const updateButton;
    QPushButton* const printButton;
    QPlainTextEdit* const report;

public slots:
    void load();
    void layOutContents();
    // "Update": builds the report afresh.
    void updateReport();
    // "Print": sends the report to the default printer.
    void printReport();
    // The main frame takes input again.
    void releaseFrame();

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
