#include "organizer/named_list_page.h"

#include "core/named_list_store.h"
#include "platform/message_box.h"
#include "widgets/design.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

NamedListPage::NamedListPage(MessageBox& messages, const Design& design, QWidget* parent)
    : QWidget(parent), list(placed(new QListWidget(this), design.list, 240, 240, 4215, 2205)),
      removeButton(placed(new QPushButton(design.removeCaption, this), design.removeButton, 240,
                          2520, 4215, 375)),
      nameLabel(placed(new QLabel(tr("Name"), this), design.nameLabel, 240, 3000, 735, 255)),
      nameBox(placed(new QLineEdit(this), design.nameBox, 1080, 3000, 1935, 285)),
      valueLabel(
          placed(new QLabel(design.valueCaption, this), design.valueLabel, 240, 3360, 735, 255)),
      valueBox(placed(new QLineEdit(this), design.valueBox, 1080, 3360, 1935, 285)),
      addButton(placed(new QPushButton(design.addCaption, this), design.addButton, 3120, 3000, 1335,
                       615)),
      m_messages(messages)
{
    nameLabel->setBuddy(nameBox); // the boxes are named by their captions
    valueLabel->setBuddy(valueBox);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true); // keeps ten thousand entries quick to show
}

void NamedListPage::setEntries(QStringList entries)
{
    m_order.sort(entries);
    list->clear();
    list->addItems(entries);
}

QStringList NamedListPage::entries() const
{
    QStringList result;
    result.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

void NamedListPage::addEntry()
{
    if (nameBox->text().isEmpty() || valueBox->text().isEmpty()) {
        m_messages.show(this, tr("Both text boxes must be filled!"));
        return;
    }
    const QString entry = namedEntry(nameBox->text(), valueBox->text());
    list->insertItem(m_order.insertionRow(*list->model(), entry), entry);
}

void NamedListPage::removeSelected()
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    // The list would select the next entry, which the user never picked.
    list->setCurrentRow(-1);
}
