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

class FullScreenToolbar : public QWidget {
    Q_OBJECT
public:
    // The quick-link keywords' addresses.
    inline static const QString kSportsSite = QStringLiteral("https://www.espn.com/");
    inline static const QString kSearchPortal = QStringLiteral("https://www.yahoo.com/");
    inline static const QString kNewsSite = QStringLiteral("https://www.reuters.com/");

    // The toolbar steers the full-screen window's page.
    FullScreenToolbar(BrowserControl& page, MessageBox& messages, const ProgramInfo& program);

    RectangleShape* const lamp;
    QPushButton* const hideButton;
    QComboBox* const addressBox;
    MouseLabel* const jumpLabel;
    MouseLabel* const searchLabel;
    MouseLabel* const homeLabel;
    MouseLabel* const backLabel;
    MouseLabel* const stopLabel;
    MouseLabel* const forwardLabel;
    MouseLabel* const refreshLabel;
    MouseLabel* const miniLabel;
    MouseLabel* const exitLabel;
    QTimer* const pressFeedbackTimer;
    QTimer* const arrowsTimer;

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
    void applyQuickLink();
    void handleAddressKey(int keyCode);
    // "&Q": hide the toolbar.
    void hideToolbar();
    void centreHorizontally();
    void hoverBackground();
    // "Refresh"
    void refresh();
    // "<": back
    void goBack();
    // ">": forward
    void goForward();
    // "Jump!": navigate to the address box's text
    void jump();
    // "Stop"
    void stopLoading();
    // "Exit": leave full-screen mode
    void leaveFullScreen();
    // "Home"
    void goHome();
    // "Mini": minimise the full-screen window
    void minimise();
    // "Search"
    void searchWeb();
    void restoreBackCaption();
    void restoreForwardCaption();
    // The mouse-move handler of every label: hover feedback.
    void hoverLabel(MouseLabel* label);
    // The mouse-down handler of the labels that give press feedback.
    void pressLabel(MouseLabel* label);
    // End of the labels' press feedback.
    void endPressFeedback();
    // The arrows' captions restored.
    void restoreArrows();

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
    void describeControls();
    void restAllLabels();
    // Navigates the full-screen window to the address box's text and lists the text.
    void navigateFromAddressBox();
    void markFailedArrow(MouseLabel* arrow);

    BrowserControl& m_page;
    MessageBox& m_messages;
    const ProgramInfo& m_program;
};
