#pragma once

// A line of text over a page's lower-left corner, where browsers show where a hovered link
// leads: shown until cleared, or for a few seconds.

#include <QLabel>

class QTimer;

class PageNote : public QLabel {
    Q_OBJECT
public:
    // How long a note that goes by itself stays.
    static constexpr int kShortWhileMs = 4000;

    explicit PageNote(QWidget* parent);

    // Hides the note when it has shown for its time.
    QTimer* const hideTimer;

    // Shows the text until another replaces it; an empty text hides the note.
    void showText(const QString& text);
    // Shows the text for a few seconds, then hides the note.
    void showForAWhile(const QString& text);
    // The page's place in the parent: the note keeps to its lower-left corner.
    void placeOver(const QRect& page);

private:
    void fit();

    QString m_text;
    QRect m_page;
};
