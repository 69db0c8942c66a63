#include "core/manual.h"

#include "core/shared_texts.h"

#include <QStringList>

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

struct Section {
    QString heading;
    QString contentsEntry;
    QStringList paragraph;
};

const QList<Section>& sections()
{
    static const QList<Section> all = {
        {QStringLiteral("1. Letter From the Author and Programmer"),
         QStringLiteral("1. Letter From the Author And Programmer"),
         {QStringLiteral("Thank you for trying Brivola 2.0. The main new feature of this version "
                         "is the multiple-document"),
          QStringLiteral("browsing interface: keep as many browser windows open as you like, all "
                         "inside one main window."),
          QStringLiteral("Version 2.0 also brings the System Information readout, which tells you "
                         "about your computer,"),
          QStringLiteral("and a scheduler in the organizer that keeps your appointments by date. I "
                         "hope you enjoy using it.")}},
        {QStringLiteral("2. Using the MDI Interface"),
         QStringLiteral("2. Using the MDI Interface"),
         {QStringLiteral("When Brivola starts, a browser window opens inside the main window. The "
                         "browser controls sit at the"),
          QStringLiteral("top of each browser window: type an address and press Enter, or use the "
                         "buttons to go back, go"),
          QStringLiteral(
              "forward, stop, reload, go home or search. For more browser windows, click "
              "the \"New Browser\" button"),
          QStringLiteral("or choose \"New Browser\" from the \"File\" menu. Every browser window "
                         "stays inside the main window.")}},
        {QStringLiteral("3. Using the Full Screen Interface"),
         QStringLiteral("3. Using the Full Screen Interface"),
         {QStringLiteral("To browse with the whole screen, click the \"Full Screen\" button. In "
                         "full-screen mode, click at the"),
          QStringLiteral(
              "very top of the screen to bring up the floating browser bar, which steers "
              "the page. Click \"Exit\""),
          QStringLiteral("on the bar to leave full-screen mode and return to the main window.")}},
        {QStringLiteral("4. Organizer/Favorites"),
         QStringLiteral("4. Organizer/Favorites"),
         {QStringLiteral("The organizer keeps a calendar for your appointments, a list of your "
                         "Internet favorites and a list"),
          QStringLiteral(
              "of phone numbers. Pick a date to write down what is planned for that day; "
              "double-click a favorite"),
          QStringLiteral("to open it in a new browser window.")}},
        {QStringLiteral("5. System Info"),
         QStringLiteral("5. System Info"),
         {QStringLiteral("The System Info readout shows your computer's processor, memory and "
                         "power status, and how long it"),
          QStringLiteral("has been running. Click \"Update\" to read it again and \"Print\" to "
                         "print it.")}},
    };
    return all;
}

} // namespace

QString text()
{
    QStringList lines = {
        QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN">)"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>Brivola 2.0 Manual</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
    };
    lines.append(gradientDivider());
    lines.append(QStringLiteral(
        R"(<P ALIGN="CENTER"><FONT SIZE="6" COLOR="#0000FF">Brivola 2.0</FONT></P>)"));
    lines.append(gradientDivider());
    lines.append(
        QStringLiteral(R"(<P ALIGN="CENTER"><BIG><BIG>MDI Browsing System</BIG></BIG></P>)"));
    lines.append(QStringLiteral("<BR><BR>"));
    for (int i = 0; i < sections().size(); ++i) {
        lines.append(QStringLiteral(R"(<A HREF="#%1">%2</A><BR>)")
                         .arg(i + 1)
                         .arg(sections()[i].contentsEntry));
    }
    for (int i = 0; i < sections().size(); ++i) {
        const Section& section = sections()[i];
        lines.append(QStringLiteral(R"(<A NAME="%1"><BIG><BIG><B>%2</B></BIG></BIG></A><BR>)")
                         .arg(i + 1)
                         .arg(section.heading));
        lines.append(section.paragraph);
        // A line break ends the paragraph, and one more stands between sections.
        if (i + 1 < sections().size())
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
