#pragma once

// The order of lists kept sorted for the user: letter case ignored, the user's language's
// alphabet, equal texts in the order they came.

#include <QCollator>
#include <QStringList>

class QAbstractItemModel;

class TextOrder {
public:
    TextOrder();

    bool less(const QString& a, const QString& b) const;
    // The row at which the text joins the sorted list: after every entry it does not precede.
    int insertionRow(const QAbstractItemModel& model, const QString& text) const;
    void sort(QStringList& texts) const;

private:
    QCollator m_collator;
};
