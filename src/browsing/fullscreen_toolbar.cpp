#include "browsing/fullscreen_toolbar.h"

#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/browser_control.h"
#include "platform/message_box.h"
#include "platform/program_info.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/key_down_filter.h"
#include "widgets/mouse_label.h"
#include "widgets/rectangle_shape.h"
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kDarkRed(192, 0, 0);
const QColor kCyan(0, 255, 255);

const QString kBack = QStringLiteral("<");
const QString kForward = QStringLiteral(">");
const QString kFailed = QStringLiteral("X");

MouseLabel* label(const char* name, const QString& caption, const QRect& geometry,
                  const QFont& font, Qt::Alignment alignment, QWidget* parent)
{
    auto* result = new MouseLabel(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(font);
    result->setAlignment(alignment);
    setBackground(result, Qt::black);
    return result;
}

MouseLabel* centred(const char* name, const QString& caption, const QRect& geometry,
                    const QFont& font, QWidget* parent)
{
    return label(name, caption, geometry, font, Qt::AlignHCenter | Qt::AlignTop, parent);
}

MouseLabel* leftAligned(const char* name, const QString& caption, const QRect& geometry,
                        const QFont& font, QWidget* parent)
{
    return label(name, caption, geometry, font, Qt::AlignLeft | Qt::AlignTop, parent);
}

} // namespace

Form2::Form2(BrowserControl& page, MessageBox& messages, const ProgramInfo& program)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      Shape1(new RectangleShape(kBlue, 3, this)), Command1(new QPushButton(tr("&Q"), this)),
      Combo1(new QComboBox(this)),
      Label4(centred("Label4", QStringLiteral("Jump!"), Twips::rect(4560, 120, 1215, 525),
                     msSansSerif(24), this)),
      Label13(centred("Label13", QStringLiteral("Search"), Twips::rect(4680, 600, 855, 285),
                      msSansSerif(12, true), this)),
      Label7(centred("Label7", QStringLiteral("Home"), Twips::rect(6000, 60, 855, 285),
                     msSansSerif(12, true), this)),
      Label2(centred("Label2", kBack, Twips::rect(5850, 255, 255, 375), msSansSerif(24), this)),
      Label5(centred("Label5", QStringLiteral("Stop"), Twips::rect(6105, 360, 615, 345),
                     msSansSerif(12, true), this)),
      Label3(centred("Label3", kForward, Twips::rect(6720, 255, 255, 375), msSansSerif(24), this)),
      Label1(centred("Label1", QStringLiteral("Refresh"), Twips::rect(5895, 660, 1095, 270),
                     msSansSerif(12, true), this)),
      Label11(leftAligned("Label11", QStringLiteral("Mini"), Twips::rect(7440, 120, 585, 375),
                          msSansSerif(13.5), this)),
      Label6(leftAligned("Label6", QStringLiteral("Exit"), Twips::rect(7440, 495, 540, 375),
                         msSansSerif(13.5), this)),
      Timer2(new QTimer(this)), Timer3(new QTimer(this)), m_page(page), m_messages(messages),
      m_program(program)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(Twips::toPixels(QSize(8130, 1125)));
    setBackground(this, Qt::black);
    setMouseTracking(true); // Form_MouseMove over the background

    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(Twips::rect(0, 0, 8115, 1095));
    Shape1->lower();
    // The button only serves its access key; the address box covers it and takes the focus.
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(720, 480, 855, 195));
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    createAddressBox();
    restAllLabels();
    connectLabels();

    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(250);
    connect(Timer2, &QTimer::timeout, this, &Form2::Timer2_Timer);
    Timer2->start();
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &Form2::Timer3_Timer);
    Timer3->start();
}

void Form2::createAddressBox()
{
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert); // Enter and "Jump!" add to the list
    Combo1->setCompleter(nullptr);                // the text stays exactly as typed
    Combo1->setFont(msSansSerif(13.5));
    setBackground(Combo1, Qt::black);
    setTextColor(Combo1, kCyan);
    const QRect geometry = Twips::rect(120, 240, 4215, 0);
    Combo1->setGeometry(geometry.x(), geometry.y(), geometry.width(), Combo1->sizeHint().height());
    onKeyDown(Combo1, [this](int code) { Combo1_KeyDown(code); });
    connect(Combo1, &QComboBox::editTextChanged, this, &Form2::Combo1_Change);
}

void Form2::connectLabels()
{
    for (MouseLabel* label : labels())
        connect(label, &MouseLabel::mouseMoved, this, [this, label] { Label_MouseMove(label); });
    for (MouseLabel* label : {Label1, Label2, Label3, Label4, Label5, Label7, Label13})
        connect(label, &MouseLabel::mousePressed, this, [this, label] { Label_MouseDown(label); });
    connect(Label2, &MouseLabel::mouseReleased, this, &Form2::Label2_MouseUp);
    connect(Label3, &MouseLabel::mouseReleased, this, &Form2::Label3_MouseUp);
    connect(Label1, &MouseLabel::clicked, this, &Form2::Label1_Click);
    connect(Label2, &MouseLabel::clicked, this, &Form2::Label2_Click);
    connect(Label3, &MouseLabel::clicked, this, &Form2::Label3_Click);
    connect(Label4, &MouseLabel::clicked, this, &Form2::Label4_Click);
    connect(Label5, &MouseLabel::clicked, this, &Form2::Label5_Click);
    connect(Label6, &MouseLabel::clicked, this, &Form2::Label6_Click);
    connect(Label7, &MouseLabel::clicked, this, &Form2::Label7_Click);
    connect(Label11, &MouseLabel::clicked, this, &Form2::Label11_Click);
    connect(Label13, &MouseLabel::clicked, this, &Form2::Label13_Click);
}

QList<MouseLabel*> Form2::labels() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label11, Label13};
}

void Form2::setLeft(double twips)
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(area.x() + Twips::toPixels(twips), y());
}

void Form2::setTop(double twips)
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(x(), area.y() + Twips::toPixels(twips));
}

// The address is selected, so that what the user types replaces it.
void Form2::focusAddressBox()
{
    activateWindow();
    Combo1->setFocus(Qt::ShortcutFocusReason);
    Combo1->lineEdit()->selectAll();
}

void Form2::setLampColor(const QColor& color)
{
    Shape1->setBorderColor(color);
}

void Form2::restAllLabels()
{
    for (MouseLabel* label : labels())
        setTextColor(label, label == Label6 || label == Label11 ? kRed : kYellow);
}

void Form2::Combo1_Change()
{
    restAllLabels();
    const QString text = Combo1->currentText();
    const std::pair<const char*, const QString&> quickLinks[] = {
        {"Sports", kSportsSite}, {"Search", kSearchPortal}, {"News", kNewsSite}};
    for (const auto& [keyword, address] : quickLinks) {
        if (text.startsWith(QLatin1String(keyword), Qt::CaseInsensitive)) {
            Combo1->setEditText(address); // runs this handler again, which finds no keyword
            return;
        }
    }
}

void Form2::navigateFromAddressBox()
{
    const QString text = Combo1->currentText();
    m_page.navigate(text);
    Combo1->addItem(text);
}

void Form2::Combo1_KeyDown(int keyCode)
{
    if (keyCode != kEnterKeyCode)
        return;
    try {
        navigateFromAddressBox();
        hide();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::kCannotConnect);
    }
}

void Form2::Command1_Click()
{
    if (isVisible())
        hide();
}

void Form2::Form_Resize()
{
    const double screenWidth = m_program.screenSizeTwips(this).width();
    setLeft((screenWidth - outerSizeTwips(this).width()) / 2.0);
}

void Form2::Form_GotFocus()
{
    Form_Resize();
}

void Form2::Form_MouseMove()
{
    restAllLabels();
}

void Form2::Label1_Click()
{
    ignoreFailure([this] { m_page.refresh(); });
}

void Form2::Label2_Click()
{
    try {
        m_page.goBack();
    } catch (const PlatformError&) {
        markFailedArrow(Label2);
    }
}

void Form2::Label3_Click()
{
    try {
        m_page.goForward();
    } catch (const PlatformError&) {
        markFailedArrow(Label3);
    }
}

void Form2::markFailedArrow(MouseLabel* arrow)
{
    arrow->setText(kFailed);
    enable(Timer3);
}

void Form2::Label4_Click()
{
    try {
        navigateFromAddressBox();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::kCannotConnect);
    }
}

void Form2::Label5_Click()
{
    ignoreFailure([this] { m_page.stop(); });
}

void Form2::Label6_Click()
{
    emit exitRequested();
}

void Form2::Label7_Click()
{
    ignoreFailure([this] { m_page.goHome(); });
}

void Form2::Label11_Click()
{
    emit minimiseRequested();
    hide();
}

void Form2::Label13_Click()
{
    ignoreFailure([this] { m_page.goSearch(); });
}

void Form2::Label2_MouseUp()
{
    Label2->setText(kBack);
}

void Form2::Label3_MouseUp()
{
    Label3->setText(kForward);
}

void Form2::Label_MouseMove(MouseLabel* label)
{
    restAllLabels();
    setTextColor(label, kBlue);
}

void Form2::Label_MouseDown(MouseLabel* label)
{
    setTextColor(label, kDarkRed);
    enable(Timer2);
}

void Form2::Timer2_Timer()
{
    restAllLabels();
    Timer2->stop();
}

void Form2::Timer3_Timer()
{
    Label2->setText(kBack);
    Label3->setText(kForward);
    Timer3->stop();
}

// The toolbar gets the focus when its window becomes the active one.
void Form2::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
}

void Form2::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
