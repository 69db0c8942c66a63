#pragma once

// The floating toolbar of full-screen mode: an address box and text labels that steer the
// full-screen window's browser, always on top near the bottom of the screen.

#include <QList>
#include <QWidget>

class BrowserControl;
class MessageBox;
class MouseLabel;
class ProgramInfo;
class QComboBox;
class QPushButton;
class QTimer;
class RectangleShape;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // The quick-link keywords' addresses.
    inline static const QString kSportsSite = QStringLiteral("https://www.espn.com/");
    inline static const QString kSearchPortal = QStringLiteral("https://www.yahoo.com/");
    inline static const QString kNewsSite = QStringLiteral("https://www.reuters.com/");

    // The toolbar steers the full-screen window's page.
    Form2(BrowserControl& page, MessageBox& messages, const ProgramInfo& program);

    RectangleShape* const Shape1;
    QPushButton* const Command1;
    QComboBox* const Combo1;
    MouseLabel* const Label4;
    MouseLabel* const Label13;
    MouseLabel* const Label7;
    MouseLabel* const Label2;
    MouseLabel* const Label5;
    MouseLabel* const Label3;
    MouseLabel* const Label1;
    MouseLabel* const Label11;
    MouseLabel* const Label6;
    QTimer* const Timer2;
    QTimer* const Timer3;

    // The nine labels that act as buttons.
    QList<MouseLabel*> labels() const;
    // Where the toolbar stands, in twips from the top-left corner of its screen.
    void setLeft(double twips);
    void setTop(double twips);
    // Activates the toolbar with the focus in the address box.
    void focusAddressBox();
    // The loading lamp: the border along the toolbar's edges.
    void setLampColor(const QColor& color);

public slots:
    // Quick-link keywords, on every change of the address box's text.
    void Combo1_Change();
    void Combo1_KeyDown(int keyCode);
    // "&Q": hide the toolbar.
    void Command1_Click();
    void Form_Resize();
    void Form_GotFocus();
    void Form_MouseMove();
    // "Refresh"
    void Label1_Click();
    // "<": back
    void Label2_Click();
    // ">": forward
    void Label3_Click();
    // "Jump!": navigate to the address box's text
    void Label4_Click();
    // "Stop"
    void Label5_Click();
    // "Exit": leave full-screen mode
    void Label6_Click();
    // "Home"
    void Label7_Click();
    // "Mini": minimise the full-screen window
    void Label11_Click();
    // "Search"
    void Label13_Click();
    void Label2_MouseUp();
    void Label3_MouseUp();
    // The mouse-move handler of every label: hover feedback.
    void Label_MouseMove(MouseLabel* label);
    // The mouse-down handler of the labels that give press feedback.
    void Label_MouseDown(MouseLabel* label);
    // End of the labels' press feedback.
    void Timer2_Timer();
    // The arrows' captions restored.
    void Timer3_Timer();

signals:
    // "Exit": the user leaves full-screen mode.
    void exitRequested();
    // "Mini": the user minimises full-screen mode.
    void minimiseRequested();

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createAddressBox();
    void createLabels();
    void connectLabels();
    void restAllLabels();
    // Navigates the full-screen window to the address box's text and lists the text.
    void navigateFromAddressBox();
    void markFailedArrow(MouseLabel* arrow);

    BrowserControl& m_page;
    MessageBox& m_messages;
    const ProgramInfo& m_program;
};
