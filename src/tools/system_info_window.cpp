#include "tools/system_info_window.h"

#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/system_report.h"
#include "core/twips.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/system_info.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/main_frame_link.h"
#include "widgets/unminimised.h"
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kReportTop = 360;

} // namespace

SystemInfoWindow::SystemInfoWindow(const SystemInfo& machine, const Clock& clock, Printer& printer,
                                   MessageBox& messages, MainFrameLink& frame, QWidget* owner)
    // A dialog of the frame: the window manager keeps it in front of the frame, not of other
    // programs, and offers no minimising, which would leave the disabled frame without a way
    // back.
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      updateButton(new QPushButton(tr("Update"), this)),
      printButton(new QPushButton(tr("Print"), this)), report(new QPlainTextEdit(this)),
      m_machine(machine), m_clock(clock), m_printer(printer), m_messages(messages), m_frame(frame)
{
    setObjectName(QStringLiteral("System"));
    updateButton->setObjectName(QStringLiteral("updateButton"));
    printButton->setObjectName(QStringLiteral("printButton"));
    report->setObjectName(QStringLiteral("report"));
    report->setAccessibleName(tr("System information"));
    setWindowTitle(tr("System Information"));
    setFixedSize(Twips::toPixels(QSize(6360, 5175)));
    setBackground(this, kLightGrey);
    keepUnminimised(this);

    updateButton->setGeometry(Twips::rect(0, 0, 2415, 375));
    updateButton->setFont(msSansSerif(13.5));
    printButton->setGeometry(Twips::rect(2400, 0, 1575, 375));
    printButton->setFont(arial(12, true));
    report->setGeometry(Twips::rect(0, kReportTop, 6375, 4575));
    report->setFont(arial(9.75, true));
    report->setReadOnly(true);
    report->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackground(report, QColor(224, 224, 224));
    setTabOrder(updateButton, report);
    setTabOrder(report, printButton);

    connect(updateButton, &QPushButton::clicked, this, &SystemInfoWindow::updateReport);
    connect(printButton, &QPushButton::clicked, this, &SystemInfoWindow::printReport);
    load();
}

void SystemInfoWindow::load()
{
    updateReport();
}

void SystemInfoWindow::layOutContents()
{
    if (isMinimizedWindow(this))
        return;
    const QSize outer = outerSizeTwips(this);
    report->resize(Twips::toPixels(std::max(0, outer.width() - 100)),
                   Twips::toPixels(std::max(0, outer.height() - kReportTop - 400)));
}

void SystemInfoWindow::updateReport()
{
    SystemReadings readings;
    readings.system = m_machine.systemInfo();
    readings.memory = m_machine.memoryStatus();
    readings.power = m_machine.powerStatus();
    // The date and the time come from two readings of the clock, in that order.
    const QDate date = m_clock.now().date();
    const QTime time = m_clock.now().time();
    readings.uptimeMilliseconds = m_machine.uptimeMilliseconds();
    report->setPlainText(
        SystemReport::text(readings, m_clock.longDate(date), m_clock.mediumTime(time)));
}

void SystemInfoWindow::printReport()
{
    try {
        m_printer.print(report->toPlainText());
        m_printer.endDocument();
    } catch (const PrinterError&) {
        m_messages.show(this, Texts::shown(Texts::kPrinterError));
    }
}

void SystemInfoWindow::releaseFrame()
{
    m_frame.setFrameEnabled(true);
}

void SystemInfoWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutContents();
}

void SystemInfoWindow::closeEvent(QCloseEvent* event)
{
    releaseFrame();
    event->accept();
}
