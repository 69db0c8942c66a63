#include "organizer/organizer_window.h"

#include "core/errors.h"
#include "core/named_list_store.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "core/stored_count.h"
#include "core/twips.h"
#include "organizer/named_list_page.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "widgets/colors.h"
#include "widgets/design.h"
#include "widgets/fonts.h"
#include "widgets/main_frame_link.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

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
    constexpr std::array<Heading, 7> headings{{{"Mon", 600, 375},
                                               {"Tue", 960, 375},
                                               {"Wed", 1320, 375},
                                               {"Thur", 1695, 375},
                                               {"Fri", 2130, 375},
                                               {"Sat", 2430, 495},
                                               {"Sun", 240, 495}}};
    std::array<QLabel*, 7> labels{};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        labels[i] = placed(new QLabel(QLatin1String(headings[i].text), page), "Label1",
                           headings[i].left, 120, headings[i].width, 255);
        labels[i]->setProperty("Index", static_cast<int>(i));
    }
    return labels;
}

// Six rows of seven day buttons, Sunday to Saturday; button index = 7 x row + column.
std::array<QPushButton*, kDayButtons> dayButtons(QWidget* page)
{
    std::array<QPushButton*, kDayButtons> buttons{};
    for (int index = 0; index < kDayButtons; ++index) {
        const int row = index / 7;
        const int column = index % 7;
        buttons[index] =
            button({}, "Command1", 240 + 360 * column, 360 + 240 * row, 375, 255, page);
        buttons[index]->setProperty("Index", index);
    }
    return buttons;
}

NamedListPage* phonePage(MessageBox& messages, QWidget* window)
{
    return placed(new NamedListPage(messages,
                                    {"List1", "Command3", QStringLiteral("Remove Number"), "Label3",
                                     "Text1", "Label4", QStringLiteral("Number"), "Text2",
                                     "Command2", QStringLiteral("Add Number")},
                                    window),
                  "Picture2", 0, 360, 4695, 3855);
}

NamedListPage* favouritesPage(MessageBox& messages, QWidget* window)
{
    return placed(new NamedListPage(messages,
                                    {"List2", "Command4", QStringLiteral("Remove URL"), "Label7",
                                     "Text4", "Label6", QStringLiteral("URL"), "Text3", "Command5",
                                     QStringLiteral("Add URL")},
                                    window),
                  "Picture3", 0, 360, 4695, 4095);
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

const QStringList kMonths{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

} // namespace

Calender1::Calender1(SettingsStore& settings, MessageBox& messages, Printer& printer,
                     const Clock& clock, MainFrameLink& frame)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      cmdCalender(button(QStringLiteral("Calender"), "cmdCalender", 0, 0, 1335, 375, this)),
      Command8(button(QStringLiteral("Internet Favorites"), "Command8", 1320, 0, 1695, 375, this)),
      cmdPhone(button(QStringLiteral("Phone Numbers"), "cmdPhone", 3000, 0, 1695, 375, this)),
      Command7(button(QStringLiteral("&Done"), "Command7", 1680, 4560, 1455, 375, this)),
      Timer1(new QTimer(this)), Picture1(placed(new QWidget(this), "Picture1", 0, 360, 4815, 3975)),
      Label1(weekdayHeadings(Picture1)), Command1(dayButtons(Picture1)),
      Combo1(placed(new QComboBox(Picture1), "Combo1", 3000, 600, 1455, 315)),
      Combo2(placed(new QComboBox(Picture1), "Combo2", 3000, 1080, 1455, 315)),
      Command6(button(QStringLiteral("Print Agenda"), "Command6", 3120, 1800, 1335, 375, Picture1)),
      Label5(
          placed(new QLabel(QStringLiteral("Agenda"), Picture1), "Label5", 240, 1920, 1455, 255)),
      Text5(placed(new QPlainTextEdit(Picture1), "Text5", 240, 2160, 4215, 1455)),
      cmnClear(button(QStringLiteral("Clear Appointments"), "cmnClear", 1560, 3600, 1695, 375,
                      Picture1)),
      Picture2(phonePage(messages, this)), Picture3(favouritesPage(messages, this)),
      m_settings(settings), m_messages(messages), m_printer(printer), m_clock(clock), m_frame(frame)
{
    createWindow();
    createCalendarPage();
    connectControls();
    Form_Load();
}

void Calender1::createWindow()
{
    setObjectName(QStringLiteral("Calender1"));
    setWindowTitle(Texts::kOrganizerStore);
    setFont(msSansSerif(8));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(QSize(4680, 4980)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Picture2->hide();
    Picture3->hide();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->start();
}

void Calender1::createCalendarPage()
{
    Combo1->addItems(kMonths);
    Text5->setFont(arial(9.75, true));
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void Calender1::connectControls()
{
    connect(cmdCalender, &QPushButton::clicked, this, &Calender1::cmdCalender_Click);
    connect(cmdPhone, &QPushButton::clicked, this, &Calender1::cmdPhone_Click);
    connect(Command8, &QPushButton::clicked, this, &Calender1::Command8_Click);
    connect(Command7, &QPushButton::clicked, this, &Calender1::Command7_Click);
    connect(Timer1, &QTimer::timeout, this, &Calender1::Timer1_Timer);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Calender1::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &Calender1::Combo2_Click);
    for (int index = 0; index < kDayButtons; ++index)
        connect(Command1[index], &QPushButton::clicked, this,
                [this, index] { Command1_Click(index); });
    connect(Text5, &QPlainTextEdit::textChanged, this, &Calender1::Text5_Change);
    connect(cmnClear, &QPushButton::clicked, this, &Calender1::cmnClear_Click);
    connect(Command6, &QPushButton::clicked, this, &Calender1::Command6_Click);
    connect(Picture2->addButton, &QPushButton::clicked, this, &Calender1::Command2_Click);
    connect(Picture2->removeButton, &QPushButton::clicked, this, &Calender1::Command3_Click);
    connect(Picture3->addButton, &QPushButton::clicked, this, &Calender1::Command5_Click);
    connect(Picture3->removeButton, &QPushButton::clicked, this, &Calender1::Command4_Click);
    connect(Picture3->list, &QListWidget::itemDoubleClicked, this, &Calender1::List2_DblClick);
}

void Calender1::Form_Load()
{
    // Everything stored is read first, so that a damaged store stops the load before the frame
    // is disabled, and no half-loaded organizer is ever saved.
    const SettingsStore& store = m_settings;
    Agenda storedAgenda;
    storedAgenda.load(store);
    QStringList phones = loadNamedList(store, kPhonePlace);
    QStringList favourites = loadNamedList(store, kFavouritesPlace);

    m_frame.setFrameEnabled(false);
    Loading = true;
    agenda = std::move(storedAgenda);
    fillYears();
    const QDate today = m_clock.now().date();
    Combo1->setCurrentIndex(today.month() - 1);
    Combo2->setCurrentIndex(today.year());
    const MonthGrid grid = fillDayButtons();
    const int todayButton = today.day() + grid.firstColumn - 1;
    if (todayButton >= 0 && todayButton < kDayButtons)
        setBold(Command1[todayButton], true);
    SelectedDay = QString::number(today.day());
    selectEntry(selectedDate());
    Picture2->setEntries(std::move(phones));
    Picture3->setEntries(std::move(favourites));
    Loading = false;
}

void Calender1::fillYears()
{
    QStringList years;
    years.reserve(kLastYear + 1);
    for (int year = 0; year <= kLastYear; ++year)
        years.append(QLatin1Char(' ') + QString::number(year));
    Combo2->addItems(years);
}

MonthGrid Calender1::fillDayButtons()
{
    const MonthGrid grid = FillMonthGrid(Combo1->currentIndex() + 1, Combo2->currentIndex());
    for (int index = 0; index < kDayButtons; ++index)
        Command1[index]->setText(grid.captions[index]);
    return grid;
}

void Calender1::unboldDays()
{
    for (QPushButton* day : Command1)
        setBold(day, false);
}

QString Calender1::selectedDate() const
{
    return dateText(Combo1->currentIndex() + 1, SelectedDay.toInt(), Combo2->currentIndex());
}

// Shows the first entry for the date, making an empty one at the front when there is none.
void Calender1::selectEntry(const QString& date)
{
    int found = agenda.find(date);
    if (found < 0) {
        agenda.addFront(date);
        found = 0;
    }
    AgendaIndex = found;
    showAgendaText(agenda.Sch2[found]);
}

void Calender1::unselectDay()
{
    Text5->setEnabled(false);
    showAgendaText({});
}

// Only the user's changes of the box reach the agenda lists.
void Calender1::showAgendaText(const QString& text)
{
    const QSignalBlocker blocker(Text5);
    Text5->setPlainText(text);
}

void Calender1::monthOrYearChanged()
{
    if (Loading)
        return;
    unboldDays();
    fillDayButtons();
    unselectDay();
}

void Calender1::Combo1_Click()
{
    monthOrYearChanged();
}

void Calender1::Combo2_Click()
{
    monthOrYearChanged();
}

void Calender1::showPage(QWidget* page)
{
    for (QWidget* each :
         {Picture1, static_cast<QWidget*>(Picture2), static_cast<QWidget*>(Picture3)})
        each->setVisible(each == page);
}

void Calender1::cmdCalender_Click()
{
    showPage(Picture1);
}

void Calender1::cmdPhone_Click()
{
    showPage(Picture2);
}

void Calender1::Command8_Click()
{
    showPage(Picture3);
}

void Calender1::Command7_Click()
{
    close();
}

void Calender1::Timer1_Timer()
{
    raise();
}

void Calender1::Command1_Click(int Index)
{
    if (Index < 0 || Index >= kDayButtons || Command1[Index]->text().isEmpty())
        return;
    Text5->setEnabled(true);
    unboldDays();
    setBold(Command1[Index], true);
    SelectedDay = Command1[Index]->text();
    selectEntry(selectedDate());
    Text5->setFocus();
}

void Calender1::Text5_Change()
{
    if (AgendaIndex >= 0 && AgendaIndex < agenda.Sch2.size())
        agenda.Sch2[AgendaIndex] = Text5->toPlainText();
}

// "Clear Appointments": erase every agenda entry, the stored ones at once.
void Calender1::cmnClear_Click()
{
    if (m_messages.show(this, QStringLiteral("Are you sure"), MessageBox::Buttons::YesNo,
                        QStringLiteral("Clear the Schedule")) != MessageBox::Answer::Yes)
        return;
    ignoreFailure([this] { m_settings.deleteSection(Texts::kOrganizerStore, kAgendaSection); });
    agenda.clear();
    unselectDay();
    unboldDays();
}

void Calender1::Command6_Click()
{
    const QString text = Text5->toPlainText();
    if (!Text5->isEnabled() || text.isEmpty())
        return;
    try {
        m_printer.setFontSize(12);
        m_printer.print(QStringLiteral("Agenda For: ") + Combo1->currentText() + QLatin1Char(' ') +
                        SelectedDay + QStringLiteral(", ") + Combo2->currentText());
        m_printer.print(QString());
        m_printer.print(text);
        m_printer.endDocument();
    } catch (const PlatformError&) {
        m_messages.show(this, Texts::kPrinterError);
    }
}

void Calender1::Command2_Click()
{
    Picture2->addEntry();
}

void Calender1::Command3_Click()
{
    Picture2->removeSelected();
}

void Calender1::Command5_Click()
{
    Picture3->addEntry();
}

void Calender1::Command4_Click()
{
    Picture3->removeSelected();
}

void Calender1::List2_DblClick()
{
    const QList<QListWidgetItem*> selected = Picture3->list->selectedItems();
    if (selected.isEmpty())
        return;
    m_frame.openBrowser(favouriteAddress(selected.first()->text()));
    close();
}

void Calender1::closeEvent(QCloseEvent* event)
{
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

bool Calender1::Form_QueryUnload()
{
    if (m_unloaded)
        return true;
    try {
        m_settings.update(Texts::kOrganizerStore, [this] {
            agenda.save(m_settings);
            saveNamedList(m_settings, kPhonePlace, Picture2->entries());
            saveNamedList(m_settings, kFavouritesPlace, Picture3->entries());
        });
    } catch (const StoreError& error) {
        m_messages.show(this, QStringLiteral("The organizer's entries could not be saved. %1\n\n"
                                             "The organizer stays open with everything in it: "
                                             "try \"Done\" again, or copy your entries elsewhere.")
                                  .arg(QString::fromUtf8(error.what())));
        return false;
    }
    m_unloaded = true;
    Timer1->stop();
    m_frame.setFrameEnabled(true);
    return true;
}
