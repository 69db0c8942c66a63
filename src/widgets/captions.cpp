#include "widgets/captions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace Captions {

namespace {

constexpr double kSmallestPoints = 6;

// The caption and the width it may take, or an empty caption for a control that sizes or
// wraps its text itself.
struct Room {
    QString caption;
    double width = 0;
};

Room buttonRoom(const QAbstractButton* button)
{
    if (!button->icon().isNull())
        return {};
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(button))
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return {button->text(),
            double(button->style()->subElementRect(contents, &option, button).width())};
}

Room labelRoom(const QLabel* label)
{
    if (label->wordWrap() || label->text().contains(QLatin1Char('\n')) ||
        Qt::mightBeRichText(label->text()))
        return {};
    const int indent = std::max(label->indent(), 0);
    return {label->text(), double(label->contentsRect().width() - 2 * label->margin() - indent)};
}

Room roomOf(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent || parent->layout())
        return {};
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return buttonRoom(button);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelRoom(label);
    return {};
}

bool fitsIn(const QFontMetricsF& metrics, const Room& room)
{
    return metrics.size(Qt::TextShowMnemonic, room.caption).width() <= room.width;
}

bool isCutIn(const QWidget* control, const Room& room)
{
    return !room.caption.isEmpty() && !fitsIn(QFontMetricsF(control->font()), room);
}

} // namespace

QFont shrunkUntil(QFont font, const std::function<bool(const QFontMetricsF&)>& fits)
{
    while (!fits(QFontMetricsF(font)) && font.pointSizeF() > kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

bool isCut(const QWidget* control)
{
    return isCutIn(control, roomOf(control));
}

void fit(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const Room room = roomOf(control);
        if (isCutIn(control, room))
            control->setFont(shrunkUntil(control->font(), [&room](const QFontMetricsF& metrics) {
                return fitsIn(metrics, room);
            }));
    }
}

} // namespace Captions
