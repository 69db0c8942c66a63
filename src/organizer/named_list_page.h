#pragma once

// An organizer page holding a sorted list of "name  ::  value" entries, with a name box and a
// value box to add one and a button to remove the selected one.

#include "core/text_order.h"

#include <QWidget>

class MessageBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class NamedListPage : public QWidget {
    Q_OBJECT
public:
    // The object names of the page's controls, and the captions that differ between pages.
    struct Design {
        const char* list;
        const char* removeButton;
        QString removeCaption;
        const char* nameLabel;
        const char* nameBox;
        const char* valueLabel;
        QString valueCaption;
        const char* valueBox;
        const char* addButton;
        QString addCaption;
    };

    NamedListPage(MessageBox& messages, const Design& design, QWidget* parent);

    QListWidget* const list;
    QPushButton* const removeButton;
    QLabel* const nameLabel;
    QLineEdit* const nameBox;
    QLabel* const valueLabel;
    QLineEdit* const valueBox;
    QPushButton* const addButton;

    // Replaces the entries, sorting them once.
    void setEntries(QStringList entries);
    // The entries in list order.
    QStringList entries() const;
    // Adds name  ::  value in its sorted place; with a box empty, says so and adds nothing.
    void addEntry();
    // Removes the selected entry and leaves none selected; without one, nothing happens.
    void removeSelected();

private:
    MessageBox& m_messages;
    TextOrder m_order;
};
