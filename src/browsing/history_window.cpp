#include "browsing/history_window.h"

#include "platform/browsing_memory.h"
#include "platform/message_box.h"
#include "widgets/main_frame_link.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int kVisitIdRole = Qt::UserRole;
const int kAddressRole = Qt::UserRole + 1;

} // namespace

HistoryWindow::HistoryWindow(BrowsingMemory& memory, MessageBox& messages, MainFrameLink& frame,
                             QWidget* owner)
    : QWidget(owner, Qt::Window), searchField(new QLineEdit(this)),
      visitList(new QTreeWidget(this)), deleteButton(new QPushButton(tr("&Delete"), this)),
      clearButton(new QPushButton(tr("C&lear History"), this)), m_memory(memory),
      m_messages(messages), m_frame(frame)
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("History"));
    resize(720, 480);
    searchField->setObjectName(QStringLiteral("searchField"));
    searchField->setPlaceholderText(tr("Search history"));
    searchField->setAccessibleName(tr("Search history"));
    visitList->setObjectName(QStringLiteral("visitList"));
    visitList->setAccessibleName(tr("Visits"));
    visitList->setHeaderLabels({tr("Time"), tr("Title"), tr("Address")});
    visitList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    visitList->header()->resizeSection(0, 160);
    visitList->header()->resizeSection(1, 260);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    clearButton->setObjectName(QStringLiteral("clearButton"));

    connect(searchField, &QLineEdit::textChanged, this, &HistoryWindow::showVisits);
    connect(visitList, &QTreeWidget::itemActivated, this, &HistoryWindow::openSelected);
    connect(deleteButton, &QPushButton::clicked, this, &HistoryWindow::deleteSelected);
    connect(clearButton, &QPushButton::clicked, this, &HistoryWindow::clearAll);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, visitList);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &HistoryWindow::deleteSelected);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deleteButton);
    buttons->addStretch();
    buttons->addWidget(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchField);
    layout->addWidget(visitList, 1);
    layout->addLayout(buttons);
}

void HistoryWindow::bringUp()
{
    showVisits();
    show();
    raise();
    activateWindow();
    searchField->setFocus();
}

// One heading for each day, in the user's long date format; its visits below it.
void HistoryWindow::showVisits()
{
    visitList->clear();
    const QLocale locale;
    QTreeWidgetItem* day = nullptr;
    QDate dayShown;
    for (const HistoryVisit& visit : m_memory.visits(searchField->text())) {
        const QDateTime local = visit.time.toLocalTime();
        if (!day || local.date() != dayShown) {
            dayShown = local.date();
            day = new QTreeWidgetItem(visitList, {locale.toString(dayShown, QLocale::LongFormat)});
            day->setFirstColumnSpanned(true);
            day->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(
            day, {locale.toString(local.time(), QLocale::ShortFormat), visit.title, visit.address});
        item->setData(0, kVisitIdRole, visit.id);
        item->setData(0, kAddressRole, visit.address);
        item->setToolTip(2, visit.address);
    }
}

void HistoryWindow::openSelected()
{
    for (const QTreeWidgetItem* item : visitList->selectedItems()) {
        const QString address = item->data(0, kAddressRole).toString();
        if (!address.isEmpty())
            m_frame.openBrowser(address);
    }
}

// A selected day stands for all its visits.
void HistoryWindow::deleteSelected()
{
    QList<qint64> ids;
    const auto take = [&ids](const QTreeWidgetItem* item) {
        if (item->data(0, kVisitIdRole).isValid())
            ids.append(item->data(0, kVisitIdRole).toLongLong());
    };
    for (const QTreeWidgetItem* item : visitList->selectedItems()) {
        take(item);
        for (int child = 0; child < item->childCount(); ++child)
            take(item->child(child));
    }
    if (ids.isEmpty())
        return;
    m_memory.removeVisits(ids);
    showVisits();
}

void HistoryWindow::clearAll()
{
    if (m_messages.show(this, tr("Remove every page from the history?"),
                        MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return;
    m_memory.clearHistory();
    showVisits();
}
