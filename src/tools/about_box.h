#pragma once

// The About box: product name, version, description and the disclaimer of warranty; shown
// modally and closed with "OK", Enter or Esc.

#include <QDialog>

#include <array>

class LineShape;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    static const QString kDisclaimer;

    frmAbout();

    QLabel* const picIcon;
    QLabel* const lblTitle;
    QLabel* const lblVersion;
    QLabel* const lblDescription;
    QPlainTextEdit* const Text1;
    // Index 0 white, index 1 grey: together an etched separator.
    const std::array<LineShape*, 2> Line1;
    QPushButton* const cmdOK;

public slots:
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
