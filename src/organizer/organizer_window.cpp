#include "organizer/organizer_window.h"

#include "core/errors.h"
#include "core/named_list_store.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"
#include "core/text_order.h"
#include "core/twips.h"
#include "organizer/named_list_page.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "widgets/captions.h"
#include "widgets/colors.h"
#include "widgets/design.h"
#include "widgets/fonts.h"
#include "widgets/key_down_filter.h"
#include "widgets/main_frame_link.h"
#include "widgets/unminimised.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <cstdio>

namespace {

QPushButton* button(const QString& caption, const char* name, double left, double top, double width,
                    double height, QWidget* parent)
{
    return placed(new QPushButton(caption, parent), name, left, top, width, height);
}

// The weekday headings, index 0 Monday to 6 Sunday; Sunday heads the leftmost column.
std::array<QLabel*, 7> weekdayHeadings(QWidget* page)
{
    struct Heading {
        const char* text;
        int left;
        int width;
    };
    constexpr std::array<Heading, 7> headings{
        {{QT_TRANSLATE_NOOP("OrganizerWindow", "Mon"), 600, 375},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Tue"), 960, 375},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Wed"), 1320, 375},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Thur"), 1695, 375},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Fri"), 2130, 375},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Sat"), 2430, 495},
         {QT_TRANSLATE_NOOP("OrganizerWindow", "Sun"), 240, 495}}};
    std::array<QLabel*, 7> labels{};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        labels[i] = placed(new QLabel(OrganizerWindow::tr(headings[i].text), page), "weekdayLabel",
                           headings[i].left, 120, headings[i].width, 255);
        labels[i]->setProperty("index", static_cast<int>(i));
    }
    return labels;
}

// Six rows of seven day buttons, Sunday to Saturday; button index = 7 x row + column.
std::array<QPushButton*, kDayButtons> createDayButtons(QWidget* page)
{
    std::array<QPushButton*, kDayButtons> buttons{};
    for (int index = 0; index < kDayButtons; ++index) {
        const int row = index / 7;
        const int column = index % 7;
        buttons[index] =
            button({}, "dayButton", 240 + 360 * column, 360 + 240 * row, 375, 255, page);
        buttons[index]->setProperty("index", index);
    }
    return buttons;
}

NamedListPage* createPhonePage(MessageBox& messages, QWidget* window)
{
    return placed(new NamedListPage(messages,
                                    {"phones", "removeNumber", OrganizerWindow::tr("Remove Number"),
                                     "phoneNameLabel", "phoneName", "numberLabel",
                                     OrganizerWindow::tr("Number"), "number", "addNumber",
                                     OrganizerWindow::tr("Add Number")},
                                    window),
                  "phonePage", 0, 360, 4695, 3855);
}

NamedListPage* createFavoritesPage(MessageBox& messages, QWidget* window)
{
    return placed(new NamedListPage(messages,
                                    {"favorites", "removeUrl", OrganizerWindow::tr("Remove URL"),
                                     "favoriteNameLabel", "favoriteName", "urlLabel",
                                     OrganizerWindow::tr("URL"), "url", "addUrl",
                                     OrganizerWindow::tr("Add URL")},
                                    window),
                  "favoritesPage", 0, 360, 4695, 4095);
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

constexpr std::array<const char*, 12> kMonths{QT_TRANSLATE_NOOP("OrganizerWindow", "January"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "February"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "March"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "April"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "May"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "June"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "July"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "August"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "September"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "October"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "November"),
                                              QT_TRANSLATE_NOOP("OrganizerWindow", "December")};

} // namespace

OrganizerWindow::OrganizerWindow(SettingsStore& settings, MessageBox& messages, Printer& printer,
                                 const Clock& clock, MainFrameLink& frame, QWidget* owner)
    // A dialog of the frame without title-bar buttons: the window manager keeps it in front of
    // the frame, not of other programs, and it cannot be minimised away from the disabled frame.
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      calendarButton(button(tr("Calender"), "calendarButton", 0, 0, 1335, 375, this)),
      favoritesButton(
          button(tr("Internet Favorites"), "favoritesButton", 1320, 0, 1695, 375, this)),
      phoneButton(button(tr("Phone Numbers"), "phoneButton", 3000, 0, 1695, 375, this)),
      doneButton(button(tr("&Done"), "doneButton", 1680, 4560, 1455, 375, this)),
      calendarPage(placed(new QWidget(this), "calendarPage", 0, 360, 4815, 3975)),
      weekdayLabels(weekdayHeadings(calendarPage)), dayButtons(createDayButtons(calendarPage)),
      monthBox(placed(new QComboBox(calendarPage), "monthBox", 3000, 600, 1455, 315)),
      yearBox(placed(new QComboBox(calendarPage), "yearBox", 3000, 1080, 1455, 315)),
      printButton(button(tr("Print Agenda"), "printButton", 3120, 1800, 1335, 375, calendarPage)),
      agendaLabel(
          placed(new QLabel(tr("Agenda"), calendarPage), "agendaLabel", 240, 1920, 1455, 255)),
      agendaText(placed(new QPlainTextEdit(calendarPage), "agendaText", 240, 2160, 4215, 1455)),
      clearButton(
          button(tr("Clear Appointments"), "clearButton", 1560, 3600, 1695, 375, calendarPage)),
      phonePage(createPhonePage(messages, this)),
      favoritesPage(createFavoritesPage(messages, this)), m_settings(settings),
      m_messages(messages), m_printer(printer), m_clock(clock), m_frame(frame)
{
    createWindow();
    createCalendarPage();
    Captions::fit(this);
    describeControls();
    connectControls();
    load();
}

void OrganizerWindow::createWindow()
{
    setObjectName(QStringLiteral("OrganizerWindow"));
    setWindowTitle(Texts::kOrganizerStore);
    setFont(msSansSerif(8));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(QSize(4680, 4980)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    phonePage->hide();
    favoritesPage->hide();
    keepUnminimised(this);
}

void OrganizerWindow::createCalendarPage()
{
    for (const char* month : kMonths)
        monthBox->addItem(tr(month));
    agendaText->setFont(arial(9.75, true));
    agendaText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

// Names for assistive technology where no caption says what a control holds.
void OrganizerWindow::describeControls()
{
    agendaLabel->setBuddy(agendaText);
    monthBox->setAccessibleName(tr("Month"));
    yearBox->setAccessibleName(tr("Year"));
    monthBox->view()->setAccessibleName(tr("Months"));
    yearBox->view()->setAccessibleName(tr("Years"));
    phonePage->list->setAccessibleName(tr("Phone numbers"));
    favoritesPage->list->setAccessibleName(tr("Internet favorites"));
    for (QPushButton* day : dayButtons) {
        day->installEventFilter(this); // the arrow keys
        day->setFocusPolicy(Qt::ClickFocus);
    }
}

void OrganizerWindow::connectControls()
{
    connect(calendarButton, &QPushButton::clicked, this, &OrganizerWindow::showCalendarPage);
    connect(phoneButton, &QPushButton::clicked, this, &OrganizerWindow::showPhonePage);
    connect(favoritesButton, &QPushButton::clicked, this, &OrganizerWindow::showFavoritesPage);
    connect(doneButton, &QPushButton::clicked, this, &OrganizerWindow::closeOrganizer);
    connect(monthBox, &QComboBox::currentIndexChanged, this, &OrganizerWindow::showChosenMonth);
    connect(yearBox, &QComboBox::currentIndexChanged, this, &OrganizerWindow::showChosenYear);
    for (int index = 0; index < kDayButtons; ++index)
        connect(dayButtons[index], &QPushButton::clicked, this,
                [this, index] { selectDay(index); });
    connect(agendaText, &QPlainTextEdit::textChanged, this, &OrganizerWindow::keepAgendaText);
    connect(clearButton, &QPushButton::clicked, this, &OrganizerWindow::clearAgenda);
    connect(printButton, &QPushButton::clicked, this, &OrganizerWindow::printAgenda);
    connect(phonePage->addButton, &QPushButton::clicked, this, &OrganizerWindow::addNumber);
    connect(phonePage->removeButton, &QPushButton::clicked, this, &OrganizerWindow::removeNumber);
    connect(favoritesPage->addButton, &QPushButton::clicked, this, &OrganizerWindow::addFavorite);
    connect(favoritesPage->removeButton, &QPushButton::clicked, this,
            &OrganizerWindow::removeFavorite);
    connect(favoritesPage->list, &QListWidget::itemDoubleClicked, this,
            &OrganizerWindow::openFavorite);
    onKeyDown(favoritesPage->list, [this](int code) {
        if (code == kEnterKeyCode)
            openFavorite();
    });
}

void OrganizerWindow::load()
{
    // Everything stored is read first, so that a damaged store stops the load before the frame
    // is disabled, and no half-loaded organizer is ever saved.
    const SettingsStore& store = m_settings;
    Agenda storedAgenda;
    storedAgenda.load(store);
    QStringList phones = loadNamedList(store, kPhonePlace);
    QStringList favourites = loadNamedList(store, kFavouritesPlace);

    m_frame.setFrameEnabled(false);
    loading = true;
    m_loadedAgenda = storedAgenda;
    m_loadedPhones = phones;
    m_loadedFavourites = favourites;
    agenda = std::move(storedAgenda);
    fillYears();
    const QDate today = m_clock.now().date();
    monthBox->setCurrentIndex(today.month() - 1);
    yearBox->setCurrentIndex(today.year());
    const MonthGrid grid = fillDayButtons();
    const int todayButton = today.day() + grid.firstColumn - 1;
    if (todayButton >= 0 && todayButton < kDayButtons) {
        setBold(dayButtons[todayButton], true);
        setDayTabStop(todayButton);
    }
    selectedDay = QString::number(today.day());
    selectEntry(selectedDate());
    phonePage->setEntries(std::move(phones));
    favoritesPage->setEntries(std::move(favourites));
    loading = false;
}

void OrganizerWindow::fillYears()
{
    QStringList years;
    years.reserve(kLastYear + 1);
    for (int year = 0; year <= kLastYear; ++year)
        years.append(QLatin1Char(' ') + QString::number(year));
    yearBox->addItems(years);
}

MonthGrid OrganizerWindow::fillDayButtons()
{
    const MonthGrid grid = monthGrid(monthBox->currentIndex() + 1, yearBox->currentIndex());
    const QString month = monthBox->currentText();
    const int year = yearBox->currentIndex();
    for (int index = 0; index < kDayButtons; ++index) {
        const QString& day = grid.captions[index];
        dayButtons[index]->setText(day);
        dayButtons[index]->setAccessibleName(
            day.isEmpty() ? tr("No day") : tr("%1 %2 %3").arg(day, month).arg(year));
    }
    return grid;
}

// Only one day of the grid is in the Tab order; the arrow keys go on from there.
void OrganizerWindow::setDayTabStop(int index)
{
    for (int each = 0; each < kDayButtons; ++each)
        dayButtons[each]->setFocusPolicy(each == index ? Qt::StrongFocus : Qt::ClickFocus);
}

// The day that takes the focus becomes the grid's place in the Tab order. Left and right go to
// the day before and after, up and down to the week before and after, as far as the month goes.
bool OrganizerWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int index = watched->property("index").toInt();
    if (event->type() == QEvent::FocusIn)
        setDayTabStop(index);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    static const QHash<int, int> steps{
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -7}, {Qt::Key_Down, 7}};
    const auto step = steps.constFind(static_cast<QKeyEvent*>(event)->key());
    if (step == steps.cend())
        return QWidget::eventFilter(watched, event);
    const int target = index + *step;
    if (target >= 0 && target < kDayButtons && !dayButtons[target]->text().isEmpty())
        dayButtons[target]->setFocus(Qt::TabFocusReason);
    return true;
}

void OrganizerWindow::unboldDays()
{
    for (QPushButton* day : dayButtons)
        setBold(day, false);
}

QString OrganizerWindow::selectedDate() const
{
    return dateText(monthBox->currentIndex() + 1, selectedDay.toInt(), yearBox->currentIndex());
}

// Shows the first entry for the date, making an empty one at the front when there is none.
void OrganizerWindow::selectEntry(const QString& date)
{
    int found = agenda.find(date);
    if (found < 0) {
        agenda.addFront(date);
        found = 0;
    }
    agendaIndex = found;
    showAgendaText(agenda.texts[found]);
}

void OrganizerWindow::unselectDay()
{
    agendaText->setEnabled(false);
    showAgendaText({});
}

// Only the user's changes of the box reach the agenda lists.
void OrganizerWindow::showAgendaText(const QString& text)
{
    const QSignalBlocker blocker(agendaText);
    agendaText->setPlainText(text);
}

void OrganizerWindow::monthOrYearChanged()
{
    if (loading)
        return;
    unboldDays();
    setDayTabStop(fillDayButtons().firstColumn);
    unselectDay();
}

void OrganizerWindow::showChosenMonth()
{
    monthOrYearChanged();
}

void OrganizerWindow::showChosenYear()
{
    monthOrYearChanged();
}

void OrganizerWindow::showPage(QWidget* page)
{
    for (QWidget* each :
         {calendarPage, static_cast<QWidget*>(phonePage), static_cast<QWidget*>(favoritesPage)})
        each->setVisible(each == page);
}

void OrganizerWindow::showCalendarPage()
{
    showPage(calendarPage);
}

void OrganizerWindow::showPhonePage()
{
    showPage(phonePage);
}

void OrganizerWindow::showFavoritesPage()
{
    showPage(favoritesPage);
}

void OrganizerWindow::closeOrganizer()
{
    close();
}

void OrganizerWindow::selectDay(int index)
{
    if (index < 0 || index >= kDayButtons || dayButtons[index]->text().isEmpty())
        return;
    agendaText->setEnabled(true);
    unboldDays();
    setBold(dayButtons[index], true);
    setDayTabStop(index);
    selectedDay = dayButtons[index]->text();
    selectEntry(selectedDate());
    agendaText->setFocus();
}

void OrganizerWindow::keepAgendaText()
{
    if (agendaIndex >= 0 && agendaIndex < agenda.texts.size())
        agenda.texts[agendaIndex] = agendaText->toPlainText();
}

// "Clear Appointments": erase every agenda entry, the stored ones at once.
void OrganizerWindow::clearAgenda()
{
    if (m_messages.show(this, tr("Are you sure"), MessageBox::Buttons::YesNo,
                        tr("Clear the Schedule")) != MessageBox::Answer::Yes)
        return;
    ignoreFailure([this] { m_settings.deleteSection(Texts::kOrganizerStore, kAgendaSection); });
    reportStoreNotice();
    m_loadedAgenda.clear();
    agenda.clear();
    unselectDay();
    unboldDays();
}

void OrganizerWindow::printAgenda()
{
    const QString text = agendaText->toPlainText();
    if (!agendaText->isEnabled() || text.isEmpty())
        return;
    try {
        m_printer.setFontSize(12);
        m_printer.print(tr("Agenda For: ") + monthBox->currentText() + QLatin1Char(' ') +
                        selectedDay + QStringLiteral(", ") + yearBox->currentText());
        m_printer.print(QString());
        m_printer.print(text);
        m_printer.endDocument();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::shown(Texts::kPrinterError));
    }
}

void OrganizerWindow::addNumber()
{
    phonePage->addEntry();
}

void OrganizerWindow::removeNumber()
{
    phonePage->removeSelected();
}

void OrganizerWindow::addFavorite()
{
    favoritesPage->addEntry();
}

void OrganizerWindow::removeFavorite()
{
    favoritesPage->removeSelected();
}

void OrganizerWindow::openFavorite()
{
    const QList<QListWidgetItem*> selected = favoritesPage->list->selectedItems();
    if (selected.isEmpty())
        return;
    m_frame.openBrowser(favouriteAddress(selected.first()->text()));
    close();
}

void OrganizerWindow::closeEvent(QCloseEvent* event)
{
    if (saveAndRelease())
        event->accept();
    else
        event->ignore();
}

bool OrganizerWindow::saveAndRelease()
{
    if (m_unloaded)
        return true;
    try {
        m_settings.update(Texts::kOrganizerStore, [this] { saveMerged(); });
        reportStoreNotice();
    } catch (const StoreError& error) {
        reportStoreNotice();
        if (!m_frame.mayAsk()) {
            std::fprintf(stderr, "brivola: %s\n",
                         qPrintable(tr("the organizer's entries could not be saved: %1")
                                        .arg(QString::fromUtf8(error.what()))));
            return false;
        }
        m_messages.show(this, tr("The organizer's entries could not be saved. %1\n\n"
                                 "The organizer stays open with everything in it: "
                                 "try \"Done\" again, or copy your entries elsewhere.")
                                  .arg(QString::fromUtf8(error.what())));
        return false;
    }
    m_unloaded = true;
    m_frame.setFrameEnabled(true);
    return true;
}

// Runs with other writers locked out, on the store as it is now.
void OrganizerWindow::saveMerged()
{
    const SettingsStore& store = m_settings;
    Agenda storedAgenda;
    storedAgenda.load(store);
    mergedAgenda(m_loadedAgenda, agenda, storedAgenda).save(m_settings);
    const TextOrder order;
    const auto saveList = [&](const NamedListPlace& place, const QStringList& loaded,
                              const NamedListPage* page) {
        QStringList merged = mergedNamedList(loaded, page->entries(), loadNamedList(store, place));
        order.sort(merged);
        saveNamedList(m_settings, place, merged);
    };
    saveList(kPhonePlace, m_loadedPhones, phonePage);
    saveList(kFavouritesPlace, m_loadedFavourites, favoritesPage);
}

void OrganizerWindow::reportStoreNotice()
{
    const QString notice = m_settings.takeNotice(Texts::kOrganizerStore);
    if (notice.isEmpty())
        return;
    if (m_frame.mayAsk())
        m_messages.show(this, notice);
    else
        std::fprintf(stderr, "brivola: %s\n", qPrintable(notice));
}
