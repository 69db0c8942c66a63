#pragma once

// The organizer "Orvane Organizer": a month calendar with a day agenda, the phone list and the
// Internet favourites, saved to the settings store when it closes.

#include "organizer/agenda.h"
#include "organizer/month_grid.h"

#include <QWidget>

#include <array>

class App;
class NamedListPage;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class Calender1 : public QWidget {
    Q_OBJECT
public:
    inline static const QString kCaption = QStringLiteral("Orvane Organizer");

    // Loads the window from the settings store and disables the main frame. A damaged store
    // raises DamagedStoreError before anything changes.
    explicit Calender1(App& app);

    // True while the window loads: the month and year selectors' handlers then do nothing.
    bool Loading = false;
    // The selected day of month, as text.
    QString SelectedDay;
    // The selected day's entry in the agenda lists.
    int AgendaIndex = 0;
    // The agenda lists Sch1 (dates) and Sch2 (texts).
    Agenda agenda;

    QPushButton* const cmdCalender;
    QPushButton* const Command8;
    QPushButton* const cmdPhone;
    QPushButton* const Command7;
    QTimer* const Timer1;

    // The calendar page.
    QWidget* const Picture1;
    const std::array<QLabel*, 7> Label1;
    const std::array<QPushButton*, kDayButtons> Command1;
    QComboBox* const Combo1;
    QComboBox* const Combo2;
    QPushButton* const Command6;
    QLabel* const Label5;
    QPlainTextEdit* const Text5;
    QPushButton* const cmnClear;

    // The phone page.
    NamedListPage* const Picture2;
    QListWidget* const List1;
    QPushButton* const Command3;
    QLabel* const Label3;
    QLineEdit* const Text1;
    QLabel* const Label4;
    QLineEdit* const Text2;
    QPushButton* const Command2;

    // The favourites page.
    NamedListPage* const Picture3;
    QListWidget* const List2;
    QPushButton* const Command4;
    QLabel* const Label7;
    QLineEdit* const Text4;
    QLabel* const Label6;
    QLineEdit* const Text3;
    QPushButton* const Command5;

public slots:
    void Combo1_Click();
    void Combo2_Click();
    // "Calender": the calendar page.
    void cmdCalender_Click();
    // "Phone Numbers": the phone page.
    void cmdPhone_Click();
    // "Internet Favorites": the favourites page.
    void Command8_Click();
    // "&Done": close the organizer.
    void Command7_Click();
    // Keeps the organizer in front.
    void Timer1_Timer();
    // A day button: select that day's agenda.
    void Command1_Click(int Index);
    // The agenda entry follows every change of the agenda box, pasted text included.
    void Text5_Change();
    void cmnClear_Click();
    // "Print Agenda"
    void Command6_Click();
    // "Add Number"
    void Command2_Click();
    // "Remove Number"
    void Command3_Click();
    // "Add URL"
    void Command5_Click();
    // "Remove URL"
    void Command4_Click();
    // Opens the favourite in a new browser window and closes the organizer.
    void List2_DblClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createWindow();
    void createCalendarPage();
    void connectControls();
    void Form_Load();
    // Saves everything and enables the main frame again: once, on every way of closing.
    void Form_QueryUnload();

    void fillYears();
    MonthGrid fillDayButtons();
    void unboldDays();
    void monthOrYearChanged();
    QString selectedDate() const;
    void selectEntry(const QString& date);
    void unselectDay();
    void showAgendaText(const QString& text);
    void showPage(QWidget* page);
    void setMainFrameEnabled(bool enabled);

    App& m_app;
    bool m_unloaded = false;
};
