#pragma once

// The find bar under a browser window's panel: the text to find in the page, "n of m", and a
// button to close it. Enter goes to the next match, Shift+Enter to the one before, Esc closes.

#include <QWidget>

class BrowserControl;
class QLabel;
class QLineEdit;

class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(BrowserControl& page, QWidget* parent);

    QLineEdit* const findText;
    QLabel* const matches;

    // Shows the bar with its text selected, ready to type over.
    void open();
    // Hides the bar and clears the page's highlights.
    void dismiss();

signals:
    void opened();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMatches(int current, int total);

    BrowserControl& m_page;
};
