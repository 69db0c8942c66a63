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
class Printer;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;

class OrganizerWindow : public QWidget {
    Q_OBJECT
public:
    // Loads the window from the settings store and disables the main frame. A damaged store
    // raises DamagedStoreError before anything changes.
    OrganizerWindow(SettingsStore& settings, MessageBox& messages, Printer& printer,
                    const Clock& clock, MainFrameLink& frame, QWidget* owner = nullptr);

    // True while the window loads: the month and year selectors' handlers then do nothing.
    bool loading = false;
    // The selected day of month, as text.
    QString selectedDay;
    // The selected day's entry in the agenda lists.
    int agendaIndex = 0;
    // The agenda: the dates and their texts.
    Agenda agenda;

    QPushButton* const calendarButton;
    QPushButton* const favoritesButton;
    QPushButton* const phoneButton;
    QPushButton* const doneButton;

    // The calendar page.
    QWidget* const calendarPage;
    const std::array<QLabel*, 7> weekdayLabels;
    const std::array<QPushButton*, kDayButtons> dayButtons;
    QComboBox* const monthBox;
    QComboBox* const yearBox;
    QPushButton* const printButton;
    QLabel* const agendaLabel;
    QPlainTextEdit* const agendaText;
    QPushButton* const clearButton;

    // The phone page: names and numbers.
    NamedListPage* const phonePage;
    // The favourites page: names and addresses.
    NamedListPage* const favoritesPage;

public slots:
    void showChosenMonth();
    void showChosenYear();
    // "Calender": the calendar page.
    void showCalendarPage();
    // "Phone Numbers": the phone page.
    void showPhonePage();
    // "Internet Favorites": the favourites page.
    void showFavoritesPage();
    // "&Done": close the organizer.
    void closeOrganizer();
    // A day button: select that day's agenda.
    void selectDay(int index);
    // The agenda entry follows every change of the agenda box, pasted text included.
    void keepAgendaText();
    void clearAgenda();
    // "Print Agenda"
    void printAgenda();
    // "Add Number"
    void addNumber();
    // "Remove Number"
    void removeNumber();
    // "Add URL"
    void addFavorite();
    // "Remove URL"
    void removeFavorite();
    // Opens the favourite in a new browser window and closes the organizer.
    void openFavorite();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWindow();
    void createCalendarPage();
    void describeControls();
    void connectControls();
    void load();
    // Saves everything and enables the main frame again: once, on every way of closing. When the
    // store cannot be written it says so and the window stays open, so that nothing is lost.
    // What another copy of the program saved meanwhile is kept alongside.
    bool saveAndRelease();
    void saveMerged();
    // Tells the user what the store did on its own, such as keeping a damaged file's copy.
    void reportStoreNotice();

    void fillYears();
    MonthGrid fillDayButtons();
    void setDayTabStop(int index);
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
    // What the store held when the window loaded, or since Clear Appointments for the agenda.
    Agenda m_loadedAgenda;
    QStringList m_loadedPhones;
    QStringList m_loadedFavourites;
};
