#pragma once

// The organizer "Orvane Organizer": a month calendar with a day agenda, the phone list and the
// Internet favourites, saved to the settings store when it closes.

#include "core/agenda.h"
#include "core/month_grid.h"

#include <QWidget>

#include <array>

class Clock;
class MainFrameLink;
class MessageBox;
class NamedListPage;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Printer;
class SettingsStore;

class Calender1 : public QWidget {
    Q_OBJECT
public:
    // Loads the window from the settings store and disables the main frame. A damaged store
    // raises DamagedStoreError before anything changes.
    Calender1(SettingsStore& settings, MessageBox& messages, Printer& printer, const Clock& clock,
              MainFrameLink& frame);

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

    // The phone page: List1, "Remove Number" Command3, Text1 and Text2, "Add Number" Command2.
    NamedListPage* const Picture2;
    // The favourites page: List2, "Remove URL" Command4, Text4 and Text3, "Add URL" Command5.
    NamedListPage* const Picture3;

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
    // Saves everything and enables the main frame again: once, on every way of closing. When the
    // store cannot be written it says so and the window stays open, so that nothing is lost.
    bool Form_QueryUnload();

    void fillYears();
    MonthGrid fillDayButtons();
    void unboldDays();
    void monthOrYearChanged();
    QString selectedDate() const;
    void selectEntry(const QString& date);
    void unselectDay();
    void showAgendaText(const QString& text);
    void showPage(QWidget* page);
    SettingsStore& m_settings;
    MessageBox& m_messages;
    Printer& m_printer;
    const Clock& m_clock;
    MainFrameLink& m_frame;
    bool m_unloaded = false;
};
