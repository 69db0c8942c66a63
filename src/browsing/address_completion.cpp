#include "browsing/address_completion.h"

#include "platform/browsing_memory.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kMinimumWidth = 480;
const int kAddressRole = Qt::UserRole;

} // namespace

AddressCompletion::AddressCompletion(QComboBox* box, BrowsingMemory& memory, QWidget* window)
    : QListWidget(window), m_box(box), m_memory(memory)
{
    setObjectName(QStringLiteral("addressCompletion"));
    setAccessibleName(tr("Visited pages"));
    // The box keeps the focus and the keys while the list is open.
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
    box->setEditable(true); // the list completes the text typed in the box
    box->installEventFilter(this);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &AddressCompletion::offer);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        hide();
        emit chosen(item->data(kAddressRole).toString());
    });
}

void AddressCompletion::offer(const QString& typed)
{
    m_typed = typed;
    clear();
    for (const HistoryPage& page : m_memory.completions(typed, kRows)) {
        const QString text = page.title.isEmpty()
                                 ? page.address
                                 : QStringLiteral("%1  \u2014  %2").arg(page.address, page.title);
        auto* item = new QListWidgetItem(text, this);
        item->setData(kAddressRole, page.address);
        item->setToolTip(page.address);
    }
    if (count() == 0) {
        hide();
        return;
    }
    place();
    show();
    raise();
}

void AddressCompletion::place()
{
    const QPoint corner = m_box->mapTo(parentWidget(), QPoint(0, m_box->height()));
    const int width =
        std::min(std::max(m_box->width(), kMinimumWidth), parentWidget()->width() - corner.x());
    const int height = sizeHintForRow(0) * count() + 2 * frameWidth();
    setGeometry(corner.x(), corner.y(), width, height);
}

// Down from the typed text goes to the first page, Up from the first page back to that text.
void AddressCompletion::step(int rows)
{
    const int row = std::clamp(currentRow() + rows, -1, count() - 1);
    setCurrentRow(row);
    m_box->setEditText(row < 0 ? m_typed : item(row)->data(kAddressRole).toString());
    // Still the user's text: the page's next address must not replace it.
    m_box->lineEdit()->setModified(true);
}

bool AddressCompletion::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        hide();
    if (event->type() != QEvent::KeyPress || isHidden())
        return QListWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
        step(1);
        return true;
    case Qt::Key_Up:
        step(-1);
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        break;
    }
    return QListWidget::eventFilter(watched, event);
}
