#pragma once

// The About box: product name, version, description and the disclaimer of warranty; shown
// modally and closed with "OK", Enter or Esc.

#include <QDialog>

#include <array>

class LineShape;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // The disclaimer of warranty in the user's language, lines ended by carriage return and
    // line feed.
    static QString disclaimer();

    AboutBox();

    QLabel* const iconLabel;
    QLabel* const titleLabel;
    QLabel* const versionLabel;
    QLabel* const descriptionLabel;
    QPlainTextEdit* const disclaimerText;
    // Index 0 white, index 1 grey: together an etched separator.
    const std::array<LineShape*, 2> separator;
    QPushButton* const okButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
