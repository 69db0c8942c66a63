#include "core/manual.h"

#include "core/shared_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace Manual {

namespace {

// A band of ten cells from blue to violet; each cell's dot is written in its own colour, so
// only the colours show.
QStringList gradientDivider()
{
    QStringList lines = {
        QStringLiteral(R"(<TABLE WIDTH="100%" BORDER="0" CELLSPACING="0" STYLE="font-size: 1px">)"),
        QStringLiteral("<TR>"),
    };
    for (int n = 0; n < 10; ++n) {
        const QString red = QStringLiteral("%1").arg(25 * n, 2, 16, QLatin1Char('0')).toUpper();
        const QString colour = QLatin1Char('#') + red + QStringLiteral("00FF");
        lines.append(
            QStringLiteral(R"(<TD WIDTH="10%" BGCOLOR="%1"><FONT COLOR="%1">.</FONT></TD>)")
                .arg(colour));
    }
    lines.append({QStringLiteral("</TR>"), QStringLiteral("</TABLE>")});
    return lines;
}

// The texts in English, translated as the page is written; a paragraph's lines are one text.
struct Section {
    const char* heading;
    const char* contentsEntry;
    const char* paragraph;
};

const Section kSections[] = {
    {QT_TRANSLATE_NOOP("Manual", "1. Letter From the Author and Programmer"),
     QT_TRANSLATE_NOOP("Manual", "1. Letter From the Author And Programmer"),
     QT_TRANSLATE_NOOP("Manual",
                       "Thank you for trying Brivola 2.0. The main new feature of this version is "
                       "the multiple-document\n"
                       "browsing interface: keep as many browser windows open as you like, all "
                       "inside one main window.\n"
                       "Version 2.0 also brings the System Information readout, which tells you "
                       "about your computer,\n"
                       "and a scheduler in the organizer that keeps your appointments by date. I "
                       "hope you enjoy using it.")},
    {QT_TRANSLATE_NOOP("Manual", "2. Using the MDI Interface"),
     QT_TRANSLATE_NOOP("Manual", "2. Using the MDI Interface"),
     QT_TRANSLATE_NOOP("Manual",
                       "When Brivola starts, a browser window opens inside the main window. The "
                       "browser controls sit at the\n"
                       "top of each browser window: type an address and press Enter, or use the "
                       "buttons to go back, go\n"
                       "forward, stop, reload, go home or search. For more browser windows, click "
                       "the \"New Browser\" button\n"
                       "or choose \"New Browser\" from the \"File\" menu. Every browser window "
                       "stays inside the main window.")},
    {QT_TRANSLATE_NOOP("Manual", "3. Using the Full Screen Interface"),
     QT_TRANSLATE_NOOP("Manual", "3. Using the Full Screen Interface"),
     QT_TRANSLATE_NOOP("Manual",
                       "To browse with the whole screen, click the \"Full Screen\" button. In "
                       "full-screen mode, click at the\n"
                       "very top of the screen to bring up the floating browser bar, which steers "
                       "the page. Click \"Exit\"\n"
                       "on the bar to leave full-screen mode and return to the main window.")},
    {QT_TRANSLATE_NOOP("Manual", "4. Organizer/Favorites"),
     QT_TRANSLATE_NOOP("Manual", "4. Organizer/Favorites"),
     QT_TRANSLATE_NOOP("Manual",
                       "The organizer keeps a calendar for your appointments, a list of your "
                       "Internet favorites and a list\n"
                       "of phone numbers. Pick a date to write down what is planned for that day; "
                       "double-click a favorite\n"
                       "to open it in a new browser window.")},
    {QT_TRANSLATE_NOOP("Manual", "5. System Info"), QT_TRANSLATE_NOOP("Manual", "5. System Info"),
     QT_TRANSLATE_NOOP("Manual",
                       "The System Info readout shows your computer's processor, memory and power "
                       "status, and how long it\n"
                       "has been running. Click \"Update\" to read it again and \"Print\" to "
                       "print it.")},
};

// A text in the user's language. The page names no character set, so anything beyond ASCII is
// written as a character reference, which every browser reads alike.
QString translated(const char* text)
{
    QString result;
    for (const char32_t character : QCoreApplication::translate("Manual", text).toUcs4()) {
        if (character < 0x80)
            result.append(QChar(char16_t(character)));
        else
            result.append(QStringLiteral("&#%1;").arg(uint(character)));
    }
    return result;
}

} // namespace

QString text()
{
    QStringList lines = {
        QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN">)"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>%1</TITLE>")
            .arg(translated(QT_TRANSLATE_NOOP("Manual", "Brivola 2.0 Manual"))),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
    };
    lines.append(gradientDivider());
    lines.append(QStringLiteral(
        R"(<P ALIGN="CENTER"><FONT SIZE="6" COLOR="#0000FF">Brivola 2.0</FONT></P>)"));
    lines.append(gradientDivider());
    lines.append(QStringLiteral(R"(<P ALIGN="CENTER"><BIG><BIG>%1</BIG></BIG></P>)")
                     .arg(translated(QT_TRANSLATE_NOOP("Manual", "MDI Browsing System"))));
    lines.append(QStringLiteral("<BR><BR>"));
    const int count = int(std::size(kSections));
    for (int i = 0; i < count; ++i) {
        lines.append(QStringLiteral(R"(<A HREF="#%1">%2</A><BR>)")
                         .arg(i + 1)
                         .arg(translated(kSections[i].contentsEntry)));
    }
    for (int i = 0; i < count; ++i) {
        const Section& section = kSections[i];
        lines.append(QStringLiteral(R"(<A NAME="%1"><BIG><BIG><B>%2</B></BIG></BIG></A><BR>)")
                         .arg(i + 1)
                         .arg(translated(section.heading)));
        lines.append(translated(section.paragraph).split(QLatin1Char('\n')));
        // A line break ends the paragraph, and one more stands between sections.
        if (i + 1 < count)
            lines.append({QStringLiteral("<BR>"), QStringLiteral("<BR>")});
    }
    lines.append(QStringLiteral("<BR><BR><BR><BR><BR>"));
    lines.append({QStringLiteral("</BODY>"), QStringLiteral("</HTML>")});
    return lines.join(Texts::kLineEnd);
}

QString path(const QString& programDirectory, QChar separator)
{
    if (programDirectory.endsWith(separator))
        return programDirectory + QStringLiteral("caching.htm");
    return programDirectory + separator + QStringLiteral("Manual.htm");
}

} // namespace Manual
