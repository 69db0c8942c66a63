#pragma once

// The list under a browser window's address box that offers visited pages as the user types,
// best first: Down and Up move through it and put the page's address in the box, Esc closes
// the list. Enter is the box's own: it opens what the box holds. A click on a page opens it.

#include <QListWidget>

class BrowsingMemory;
class QComboBox;

class AddressCompletion : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    // The list lies over the window, under the box.
    AddressCompletion(QComboBox* box, BrowsingMemory& memory, QWidget* window);

    // Offers the pages the text matches; with none, the list closes.
    void offer(const QString& typed);

signals:
    void chosen(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int rows);
    void place();

    QComboBox* m_box;
    BrowsingMemory& m_memory;
    QString m_typed;
};
