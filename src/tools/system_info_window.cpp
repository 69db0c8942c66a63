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
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kReportTop = 360;

} // namespace

System::System(const SystemInfo& machine, const Clock& clock, Printer& printer,
               MessageBox& messages, MainFrameLink& frame)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Command1(new QPushButton(QStringLiteral("Update"), this)),
      Command2(new QPushButton(QStringLiteral("Print"), this)), txtSystem(new QPlainTextEdit(this)),
      Timer1(new QTimer(this)), m_machine(machine), m_clock(clock), m_printer(printer),
      m_messages(messages), m_frame(frame)
{
    setObjectName(QStringLiteral("System"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    txtSystem->setObjectName(QStringLiteral("txtSystem"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    setWindowTitle(QStringLiteral("System Information"));
    setFixedSize(Twips::toPixels(QSize(6360, 5175)));
    setBackground(this, kLightGrey);

    Command1->setGeometry(Twips::rect(0, 0, 2415, 375));
    Command1->setFont(msSansSerif(13.5));
    Command2->setGeometry(Twips::rect(2400, 0, 1575, 375));
    Command2->setFont(arial(12, true));
    txtSystem->setGeometry(Twips::rect(0, kReportTop, 6375, 4575));
    txtSystem->setFont(arial(9.75, true));
    txtSystem->setReadOnly(true);
    txtSystem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackground(txtSystem, QColor(224, 224, 224));
    setTabOrder(Command1, txtSystem);
    setTabOrder(txtSystem, Command2);

    connect(Command1, &QPushButton::clicked, this, &System::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &System::Command2_Click);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &System::Timer1_Timer);
    Timer1->start();
    Form_Load();
}

void System::Form_Load()
{
    Command1_Click();
}

void System::Form_Resize()
{
    if (isMinimizedWindow(this))
        return;
    const QSize outer = outerSizeTwips(this);
    txtSystem->resize(Twips::toPixels(std::max(0, outer.width() - 100)),
                      Twips::toPixels(std::max(0, outer.height() - kReportTop - 400)));
}

void System::Command1_Click()
{
    SystemReadings readings;
    readings.system = m_machine.systemInfo();
    readings.memory = m_machine.memoryStatus();
    readings.power = m_machine.powerStatus();
    // The date and the time come from two readings of the clock, in that order.
    const QDate date = m_clock.now().date();
    const QTime time = m_clock.now().time();
    readings.uptimeMilliseconds = m_machine.uptimeMilliseconds();
    txtSystem->setPlainText(
        SystemReport::text(readings, m_clock.longDate(date), m_clock.mediumTime(time)));
}

void System::Command2_Click()
{
    try {
        m_printer.print(txtSystem->toPlainText());
        m_printer.endDocument();
    } catch (const PrinterError&) {
        m_messages.show(this, Texts::kPrinterError);
    }
}

void System::Timer1_Timer()
{
    raise();
}

void System::Form_Unload()
{
    m_frame.setFrameEnabled(true);
}

void System::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void System::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
