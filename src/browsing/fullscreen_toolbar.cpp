#include "browsing/fullscreen_toolbar.h"

#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/browser_control.h"
#include "platform/message_box.h"
#include "platform/program_info.h"
#include "widgets/captions.h"
#include "widgets/colors.h"
#include "widgets/command_label.h"
#include "widgets/fonts.h"
#include "widgets/key_down_filter.h"
#include "widgets/mouse_label.h"
#include "widgets/rectangle_shape.h"
#include "widgets/timers.h"
#include "widgets/window_geometry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
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

// A caption wider or deeper than its label, as a translation may be, is written smaller rather
// than cut off; the arrows' and "Jump!"'s large letters reach below their labels' lines.
QFont fitted(const QFont& font, const QString& caption, const QSize& room)
{
    return Captions::shrunkUntil(font, [&](const QFontMetricsF& metrics) {
        return metrics.horizontalAdvance(caption) <= room.width() &&
               metrics.ascent() + metrics.tightBoundingRect(caption).bottom() <= room.height();
    });
}

MouseLabel* label(const char* name, const QString& caption, const QRect& geometry,
                  const QFont& font, Qt::Alignment alignment, QWidget* parent)
{
    auto* result = new CommandLabel(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setFont(fitted(font, caption, result->contentsRect().size()));
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

FullScreenToolbar::FullScreenToolbar(BrowserControl& page, MessageBox& messages,
                                     const ProgramInfo& program)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      lamp(new RectangleShape(kBlue, 3, this)), hideButton(new QPushButton(tr("&Q"), this)),
      addressBox(new QComboBox(this)),
      jumpLabel(centred("jumpLabel", tr("Jump!"), Twips::rect(4560, 120, 1215, 525),
                        msSansSerif(24), this)),
      searchLabel(centred("searchLabel", tr("Search"), Twips::rect(4680, 600, 855, 285),
                          msSansSerif(12, true), this)),
      homeLabel(centred("homeLabel", tr("Home"), Twips::rect(6000, 60, 855, 285),
                        msSansSerif(12, true), this)),
      backLabel(
          centred("backLabel", kBack, Twips::rect(5850, 255, 255, 375), msSansSerif(24), this)),
      stopLabel(centred("stopLabel", tr("Stop"), Twips::rect(6105, 360, 615, 345),
                        msSansSerif(12, true), this)),
      forwardLabel(centred("forwardLabel", kForward, Twips::rect(6720, 255, 255, 375),
                           msSansSerif(24), this)),
      refreshLabel(centred("refreshLabel", tr("Refresh"), Twips::rect(5895, 660, 1095, 270),
                           msSansSerif(12, true), this)),
      miniLabel(leftAligned("miniLabel", tr("Mini"), Twips::rect(7440, 120, 585, 375),
                            msSansSerif(13.5), this)),
      exitLabel(leftAligned("exitLabel", tr("Exit"), Twips::rect(7440, 495, 540, 375),
                            msSansSerif(13.5), this)),
      pressFeedbackTimer(new QTimer(this)), arrowsTimer(new QTimer(this)), m_page(page),
      m_messages(messages), m_program(program)
{
    setObjectName(QStringLiteral("FullScreenToolbar"));
    setFixedSize(Twips::toPixels(QSize(8130, 1125)));
    setBackground(this, Qt::black);
    setMouseTracking(true); // hoverBackground over the background

    lamp->setObjectName(QStringLiteral("lamp"));
    lamp->setGeometry(Twips::rect(0, 0, 8115, 1095));
    lamp->lower();
    // The button only serves its access key; the address box covers it and takes the focus.
    hideButton->setObjectName(QStringLiteral("hideButton"));
    hideButton->setGeometry(Twips::rect(720, 480, 855, 195));
    hideButton->setFocusPolicy(Qt::NoFocus);
    connect(hideButton, &QPushButton::clicked, this, &FullScreenToolbar::hideToolbar);

    createAddressBox();
    restAllLabels();
    connectLabels();
    describeControls();

    pressFeedbackTimer->setObjectName(QStringLiteral("pressFeedbackTimer"));
    pressFeedbackTimer->setInterval(250);
    connect(pressFeedbackTimer, &QTimer::timeout, this, &FullScreenToolbar::endPressFeedback);
    pressFeedbackTimer->start();
    arrowsTimer->setObjectName(QStringLiteral("arrowsTimer"));
    arrowsTimer->setInterval(1000);
    connect(arrowsTimer, &QTimer::timeout, this, &FullScreenToolbar::restoreArrows);
    arrowsTimer->start();
}

void FullScreenToolbar::createAddressBox()
{
    addressBox->setObjectName(QStringLiteral("addressBox"));
    addressBox->setEditable(true);
    addressBox->setInsertPolicy(QComboBox::NoInsert); // Enter and "Jump!" add to the list
    addressBox->setCompleter(nullptr);                // the text stays exactly as typed
    addressBox->setFont(msSansSerif(13.5));
    setBackground(addressBox, Qt::black);
    setTextColor(addressBox, kCyan);
    const QRect geometry = Twips::rect(120, 240, 4215, 0);
    addressBox->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                            addressBox->sizeHint().height());
    onKeyDown(addressBox, [this](int code) { handleAddressKey(code); });
    connect(addressBox, &QComboBox::editTextChanged, this, &FullScreenToolbar::applyQuickLink);
}

void FullScreenToolbar::connectLabels()
{
    for (MouseLabel* label : labels())
        connect(label, &MouseLabel::mouseMoved, this, [this, label] { hoverLabel(label); });
    for (MouseLabel* label :
         {refreshLabel, backLabel, forwardLabel, jumpLabel, stopLabel, homeLabel, searchLabel})
        connect(label, &MouseLabel::mousePressed, this, [this, label] { pressLabel(label); });
    connect(backLabel, &MouseLabel::mouseReleased, this, &FullScreenToolbar::restoreBackCaption);
    connect(forwardLabel, &MouseLabel::mouseReleased, this,
            &FullScreenToolbar::restoreForwardCaption);
    connect(refreshLabel, &MouseLabel::clicked, this, &FullScreenToolbar::refresh);
    connect(backLabel, &MouseLabel::clicked, this, &FullScreenToolbar::goBack);
    connect(forwardLabel, &MouseLabel::clicked, this, &FullScreenToolbar::goForward);
    connect(jumpLabel, &MouseLabel::clicked, this, &FullScreenToolbar::jump);
    connect(stopLabel, &MouseLabel::clicked, this, &FullScreenToolbar::stopLoading);
    connect(exitLabel, &MouseLabel::clicked, this, &FullScreenToolbar::leaveFullScreen);
    connect(homeLabel, &MouseLabel::clicked, this, &FullScreenToolbar::goHome);
    connect(miniLabel, &MouseLabel::clicked, this, &FullScreenToolbar::minimise);
    connect(searchLabel, &MouseLabel::clicked, this, &FullScreenToolbar::searchWeb);
}

// Names say what a control does where its caption shows it only to the eye; Tab goes through the
// commands in their on-screen order, column by column.
void FullScreenToolbar::describeControls()
{
    hideButton->setAccessibleName(tr("Hide toolbar"));
    addressBox->setAccessibleName(tr("Address"));
    addressBox->lineEdit()->setAccessibleName(tr("Address"));
    addressBox->view()->setAccessibleName(tr("Addresses entered"));
    backLabel->setAccessibleName(tr("Back"));
    forwardLabel->setAccessibleName(tr("Forward"));
    QWidget* previous = addressBox;
    for (MouseLabel* label : {jumpLabel, searchLabel, homeLabel, backLabel, stopLabel, forwardLabel,
                              refreshLabel, miniLabel, exitLabel}) {
        setTabOrder(previous, label);
        previous = label;
    }
}

QList<MouseLabel*> FullScreenToolbar::labels() const
{
    return {refreshLabel, backLabel, forwardLabel, jumpLabel,  stopLabel,
            exitLabel,    homeLabel, miniLabel,    searchLabel};
}

void FullScreenToolbar::setLeft(double twips)
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(area.x() + Twips::toPixels(twips), y());
}

void FullScreenToolbar::setTop(double twips)
{
    const QRect area = screen() ? screen()->geometry() : QRect();
    move(x(), area.y() + Twips::toPixels(twips));
}

// The address is selected, so that what the user types replaces it.
void FullScreenToolbar::focusAddressBox()
{
    activateWindow();
    addressBox->setFocus(Qt::ShortcutFocusReason);
    addressBox->lineEdit()->selectAll();
}

void FullScreenToolbar::setLampColor(const QColor& color)
{
    lamp->setBorderColor(color);
}

void FullScreenToolbar::restAllLabels()
{
    for (MouseLabel* label : labels())
        setTextColor(label, label == exitLabel || label == miniLabel ? kRed : kYellow);
}

void FullScreenToolbar::applyQuickLink()
{
    restAllLabels();
    const QString text = addressBox->currentText();
    const std::pair<const char*, const QString&> quickLinks[] = {
        {"Sports", kSportsSite}, {"Search", kSearchPortal}, {"News", kNewsSite}};
    for (const auto& [keyword, address] : quickLinks) {
        if (text.startsWith(QLatin1String(keyword), Qt::CaseInsensitive)) {
            addressBox->setEditText(address); // runs this handler again, which finds no keyword
            return;
        }
    }
}

void FullScreenToolbar::navigateFromAddressBox()
{
    const QString text = addressBox->currentText();
    m_page.navigate(text);
    addressBox->addItem(text);
}

void FullScreenToolbar::handleAddressKey(int keyCode)
{
    if (keyCode != kEnterKeyCode)
        return;
    try {
        navigateFromAddressBox();
        hide();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::shown(Texts::kCannotConnect));
    }
}

void FullScreenToolbar::hideToolbar()
{
    if (isVisible())
        hide();
}

void FullScreenToolbar::centreHorizontally()
{
    const double screenWidth = m_program.screenSizeTwips(this).width();
    setLeft((screenWidth - outerSizeTwips(this).width()) / 2.0);
}

void FullScreenToolbar::hoverBackground()
{
    restAllLabels();
}

void FullScreenToolbar::refresh()
{
    ignoreFailure([this] { m_page.refresh(); });
}

void FullScreenToolbar::goBack()
{
    try {
        m_page.goBack();
    } catch (const PlatformError&) {
        markFailedArrow(backLabel);
    }
}

void FullScreenToolbar::goForward()
{
    try {
        m_page.goForward();
    } catch (const PlatformError&) {
        markFailedArrow(forwardLabel);
    }
}

void FullScreenToolbar::markFailedArrow(MouseLabel* arrow)
{
    arrow->setText(kFailed);
    enable(arrowsTimer);
}

void FullScreenToolbar::jump()
{
    try {
        navigateFromAddressBox();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::shown(Texts::kCannotConnect));
    }
}

void FullScreenToolbar::stopLoading()
{
    ignoreFailure([this] { m_page.stop(); });
}

void FullScreenToolbar::leaveFullScreen()
{
    emit exitRequested();
}

void FullScreenToolbar::goHome()
{
    ignoreFailure([this] { m_page.goHome(); });
}

void FullScreenToolbar::minimise()
{
    emit minimiseRequested();
    hide();
}

void FullScreenToolbar::searchWeb()
{
    ignoreFailure([this] { m_page.goSearch(); });
}

void FullScreenToolbar::restoreBackCaption()
{
    backLabel->setText(kBack);
}

void FullScreenToolbar::restoreForwardCaption()
{
    forwardLabel->setText(kForward);
}

void FullScreenToolbar::hoverLabel(MouseLabel* label)
{
    restAllLabels();
    setTextColor(label, kBlue);
}

void FullScreenToolbar::pressLabel(MouseLabel* label)
{
    setTextColor(label, kDarkRed);
    enable(pressFeedbackTimer);
}

void FullScreenToolbar::endPressFeedback()
{
    restAllLabels();
    pressFeedbackTimer->stop();
}

void FullScreenToolbar::restoreArrows()
{
    backLabel->setText(kBack);
    forwardLabel->setText(kForward);
    arrowsTimer->stop();
}

// The toolbar gets the focus when its window becomes the active one.
void FullScreenToolbar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        centreHorizontally();
}

void FullScreenToolbar::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    hoverBackground();
}

void FullScreenToolbar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    centreHorizontally();
}
