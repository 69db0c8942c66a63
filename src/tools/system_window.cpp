#include "tools/system_window.h"

#include "app/app.h"
#include "platform/errors.h"
#include "platform/twips.h"
#include "shell/main_frame.h"
#include "tools/system_report.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/window_geometry.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kReportTop = 360;

} // namespace

System::System(App& app)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Command1(new QPushButton(QStringLiteral("Update"), this)),
      Command2(new QPushButton(QStringLiteral("Print"), this)), txtSystem(new QPlainTextEdit(this)),
      Timer1(new QTimer(this)), m_app(app)
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
    const SystemInfo& machine = m_app.systemInfo();
    SystemReadings readings;
    readings.system = machine.systemInfo();
    readings.memory = machine.memoryStatus();
    readings.power = machine.powerStatus();
    // The date and the time come from two readings of the clock, in that order.
    const QDate date = m_app.clock().now().date();
    const QTime time = m_app.clock().now().time();
    readings.uptimeMilliseconds = machine.uptimeMilliseconds();
    txtSystem->setPlainText(
        SystemReport::text(readings, m_app.clock().longDate(date), m_app.clock().mediumTime(time)));
}

void System::Command2_Click()
{
    try {
        m_app.printer().print(txtSystem->toPlainText());
        m_app.printer().endDocument();
    } catch (const PrinterError&) {
        m_app.messageBox().show(QStringLiteral("Printer Error"));
    }
}

void System::Timer1_Timer()
{
    raise();
}

void System::Form_Unload()
{
    if (MDIForm1* frame = m_app.loadedMdiForm1())
        frame->setEnabled(true);
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
