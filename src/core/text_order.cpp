#include "core/text_order.h"

#include <QAbstractItemModel>

#include <algorithm>

TextOrder::TextOrder()
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool TextOrder::less(const QString& a, const QString& b) const
{
    return m_collator.compare(a, b) < 0;
}

int TextOrder::insertionRow(const QAbstractItemModel& model, const QString& text) const
{
    int low = 0;
    int high = model.rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (less(text, model.index(middle, 0).data().toString()))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void TextOrder::sort(QStringList& texts) const
{
    std::stable_sort(texts.begin(), texts.end(),
                     [this](const QString& a, const QString& b) { return less(a, b); });
}
