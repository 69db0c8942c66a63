#include "browsing/browser_window.h"
#include "browsing/fullscreen_toolbar.h"
#include "core/command_line.h"
#include "core/internet_settings.h"
#include "core/manual.h"
#include "core/shared_texts.h"
#include "core/system_report.h"
#include "core/time_online.h"
#include "core/translations.h"
#include "platform/real/qt_settings_store.h"
#include "platform/real/webengine_profile.h"
#include "support/fake_browser_control.h"
#include "support/fake_browsing_memory.h"
#include "support/fake_file_dialog.h"
#include "support/fake_services.h"
#include "support/fake_settings_store.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "tools/about_box.h"
#include "widgets/captions.h"
#include "widgets/command_label.h"

#include <QComboBox>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// The start page as the real engine shows it: its language, title and first paragraph.
QStringList startPageShown()
{
    FakeSettingsStore settings;
    FakeMessageBox messages;
    FakeFileDialogFactory dialogs;
    FakeBrowsingMemory memory;
    WebEngineProfile profile(settings, memory, messages, dialogs);
    const std::unique_ptr<BrowserControl> browser(profile.createBrowser(nullptr));
    bool loaded = false;
    QObject::connect(browser.get(), &BrowserControl::progressChanged,
                     [&](int progress, int progressMax) {
                         loaded = progress == progressMax &&
                                  browser->url() == InternetSettings::kDefaultHomePage;
                     });
    browser->navigate(InternetSettings::kDefaultHomePage);
    if (!QTest::qWaitFor([&loaded] { return loaded; }, 20000))
        return {};
    QStringList shown;
    browser->findChild<QWebEngineView*>()->page()->runJavaScript(
        "[document.documentElement.lang, document.title, document.querySelector('p[data-text]')"
        ".innerText]",
        [&shown](const QVariant& result) { shown = result.toStringList(); });
    (void)QTest::qWaitFor([&] { return !shown.isEmpty(); }, 20000);
    return shown;
}

// The first line of the administrator's tool's help, run in the locale.
QString toolHelpLine(const QString& locale)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    environment.insert("LANG", locale == "C" ? locale : locale + ".UTF-8");
    tool.setProcessEnvironment(environment);
    tool.start(BRIVOLA_RESTRICTIONS_TOOL, {"--help"});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput()).section('\n', 0, 0);
}

// What the settings store tells when it repairs a file that is not UTF-8, with FILE and COPY
// for the file and the copy kept of it.
QString damageNotice()
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Damaged.ini"));
    QFile damaged(file);
    if (!damaged.open(QIODevice::WriteOnly) || damaged.write("[Data]\nName=\xff\n") < 0)
        return {};
    damaged.close();
    QtSettingsStore store(folder.path());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("Damaged.ini is damaged")));
    store.write(QStringLiteral("Damaged"), QStringLiteral("Data"), QStringLiteral("Name"),
                QStringLiteral("x"));
    const QStringList copies = QDir(folder.path()).entryList({QStringLiteral("Damaged.ini.*")});
    if (copies.size() != 1)
        return {};
    return store.takeNotice(QStringLiteral("Damaged"))
        .replace(folder.filePath(copies.first()), QStringLiteral("COPY"))
        .replace(file, QStringLiteral("FILE"));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // The frame's menus and buttons, the clock, a message, the address box back on the start
    // page and the help, in the locale's language; under C and English the English texts
    // exactly, with no catalogue installed.
    void frameInTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("addressText");
        QTest::addColumn<QString>("helpLine");
        const QStringList english{"&File", "&Tools", "&Window", "&Help"};
        const QString englishClock = "Time Online: 0 Hours 1 Minutes 0 Seconds ";
        for (const char* name : {"C", "en_US", "en_GB"})
            QTest::newRow(name) << name << false << english << "New Browser" << englishClock
                                << "Cannot connect to this site or directory"
                                << "Enter URL"
                                << "Show this help and exit.";
        QTest::newRow("de_DE")
            << "de_DE" << true << QStringList{"&Datei", "E&xtras", "&Fenster", "&Hilfe"}
            << "Neuer Browser"
            << "Online-Zeit: 0 Stunden 1 Minuten 0 Sekunden "
            << "Keine Verbindung zu dieser Website oder diesem Verzeichnis möglich"
            << "Adresse eingeben"
            << "Diese Hilfe zeigen und beenden.";
        QTest::newRow("fr_FR") << "fr_FR" << true
                               << QStringList{"&Fichier", "&Outils", "Fe&nêtre", "&Aide"}
                               << "Navigateur"
                               << "En ligne : 0 heures 1 minutes 0 secondes "
                               << "Impossible de se connecter à ce site ou à ce répertoire"
                               << "Saisir l'adresse"
                               << "Afficher cette aide et quitter.";
        QTest::newRow("es_ES") << "es_ES" << true
                               << QStringList{"&Archivo", "&Herramientas", "&Ventana", "A&yuda"}
                               << "Navegador"
                               << "En línea: 0 horas 1 minutos 0 segundos "
                               << "No se puede conectar con este sitio o directorio"
                               << "Escriba la dirección"
                               << "Mostrar esta ayuda y salir.";
    }

    void frameInTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        QCOMPARE(Translations::install(QLocale(locale)), translated);
        QCOMPARE(!qApp->findChildren<QTranslator*>().isEmpty(), translated);
        FrameFixture f;
        QStringList menus;
        for (QAction* menu : f.frame->menuBar()->actions())
            menus.append(menu->text());
        QTEST(menus, "menus");
        QTEST(f.frame->newBrowserButton->text(), "button");
        TimeOnline clock;
        for (int tick = 0; tick < 60; ++tick)
            clock.tick();
        QTEST(clock.caption(), "clock");
        QTEST(Texts::shown(Texts::kCannotConnect), "message");
        BrowserWindow* window = f.frame->newBrowser();
        auto* control = static_cast<FakeBrowserControl*>(window->browser);
        control->showPage("http://a.test/", "a");
        control->showPage(InternetSettings::kDefaultHomePage, "start");
        QTEST(window->addressBox->currentText(), "addressText");
        QFETCH(QString, helpLine);
        QVERIFY2(CommandLine::helpText().contains(helpLine), qPrintable(CommandLine::helpText()));
    }

    // Every caption of the full-screen toolbar is whole in every language: a caption too wide
    // or too deep for its label is written smaller.
    void toolbarCaptionsWhole_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"C", "de_DE", "fr_FR", "es_ES"})
            QTest::newRow(locale) << locale;
    }

    void toolbarCaptionsWhole()
    {
        QFETCH(QString, locale);
        Translations::install(QLocale(locale));
        FakeBrowserControl page;
        FakeMessageBox messages;
        FakeProgramInfo program;
        FullScreenToolbar toolbar(page, messages, program);
        const QList<CommandLabel*> labels = toolbar.findChildren<CommandLabel*>();
        QCOMPARE(labels.size(), 9);
        for (const CommandLabel* label : labels) {
            const QFontMetricsF metrics(label->font());
            const QRect room = label->contentsRect();
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= room.width() &&
                         metrics.ascent() + metrics.tightBoundingRect(label->text()).bottom() <=
                             room.height(),
                     qPrintable(label->text()));
        }
    }

    // Every caption in a place of its own, in the frame and each window it opens, is whole in
    // every language.
    void captionsWhole_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("opener"); // the frame's action opening the window
        for (const char* locale : {"C", "de_DE", "fr_FR", "es_ES"}) {
            for (const char* opener :
                 {"newQuickNoteAction", "organizerAction", "systemInfoAction",
                  "internetOptionsAction", "aboutAction", "downloadsAction", "historyAction"})
                QTest::addRow("%s %s", locale, opener) << locale << opener;
        }
    }

    void captionsWhole()
    {
        QFETCH(QString, locale);
        QFETCH(QString, opener);
        Translations::install(QLocale(locale));
        FrameFixture f;
        QStringList cut;
        const auto survey = [&cut] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible())
                    continue;
                for (const QWidget* control : window->findChildren<QWidget*>())
                    if (control->window() == window && control->isVisibleTo(window) &&
                        Captions::isCut(control))
                        cut.append(window->objectName() + "/" + control->objectName());
            }
        };
        QTimer::singleShot(0, [&] {
            survey();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        f.frame->findChild<QAction*>(opener)->trigger();
        QTest::qWait(0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    // The manual, the system report, the disclaimer, the start page, the administrator's tool
    // and the settings store's notice in the locale's language; under C the English texts.
    void pagesAndReportsInTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("manualTitle");
        QTest::addColumn<QString>("reportLine");
        QTest::addColumn<QString>("disclaimerLine");
        QTest::addColumn<QStringList>("startPage"); // language, title, first paragraph
        QTest::addColumn<QString>("toolHelpLine");
        QTest::addColumn<QString>("damageNotice");
        QTest::newRow("C") << "C"
                           << "Brivola 2.0 Manual"
                           << "Processor Type: 586"
                           << "DISCLAIMER OF WARRANTY: BRIVOLA 2.0"
                           << QStringList{"en", "Brivola Start Page",
                                          "Type an address into the box above and press Enter. "
                                          "\"New Browser\" opens another window; the Window menu "
                                          "cascades or tiles them."}
                           << "Usage: brivola-restrictions [--system] COMMAND"
                           << "The settings file FILE was damaged (line 2 is not valid UTF-8). "
                              "A copy of it as it was is kept as COPY.";
        QTest::newRow("de_DE") << "de_DE"
                               << "Brivola 2.0 Handbuch"
                               << "Prozessortyp: 586"
                               << "GEWÄHRLEISTUNGSAUSSCHLUSS: BRIVOLA 2.0"
                               << QStringList{"de", "Brivola-Startseite",
                                              "Geben Sie oben eine Adresse in das Feld ein und "
                                              "drücken Sie Enter. \"Neuer Browser\" öffnet ein "
                                              "weiteres Fenster; das Menü Fenster ordnet sie "
                                              "überlappend oder nebeneinander an."}
                               << "Aufruf: brivola-restrictions [--system] BEFEHL"
                               << "Die Einstellungsdatei FILE war beschädigt (Zeile 2 ist kein "
                                  "gültiges UTF-8). Eine Kopie davon, wie sie war, wird als COPY "
                                  "aufbewahrt.";
        QTest::newRow("fr_FR") << "fr_FR"
                               << "Manuel de Brivola 2.0"
                               << "Type de processeur : 586"
                               << "EXCLUSION DE GARANTIE : BRIVOLA 2.0"
                               << QStringList{"fr", "Page d'accueil de Brivola",
                                              "Saisissez une adresse dans la zone ci-dessus et "
                                              "appuyez sur Enter. « Navigateur » ouvre une autre "
                                              "fenêtre ; le menu Fenêtre les dispose en cascade "
                                              "ou en mosaïque."}
                               << "Usage : brivola-restrictions [--system] COMMANDE"
                               << "Le fichier de paramètres FILE était endommagé (la ligne 2 "
                                  "n'est pas de l'UTF-8 valide). Une copie de ce fichier tel "
                                  "qu'il était est conservée sous COPY.";
        QTest::newRow("es_ES") << "es_ES"
                               << "Manual de Brivola 2.0"
                               << "Tipo de procesador: 586"
                               << "EXENCIÓN DE GARANTÍA: BRIVOLA 2.0"
                               << QStringList{"es", "Página de inicio de Brivola",
                                              "Escriba una dirección en el cuadro de arriba y "
                                              "pulse Enter. \"Navegador\" abre otra ventana; el "
                                              "menú Ventana las coloca en cascada o en mosaico."}
                               << "Uso: brivola-restrictions [--system] ORDEN"
                               << "El archivo de configuración FILE estaba dañado (la línea 2 "
                                  "no es UTF-8 válido). Se guarda una copia de él tal como "
                                  "estaba como COPY.";
    }

    void pagesAndReportsInTheLanguage()
    {
        QFETCH(QString, locale);
        Translations::install(QLocale(locale));
        QFETCH(QString, manualTitle);
        QVERIFY2(Manual::text().contains("<TITLE>" + manualTitle + "</TITLE>"),
                 qPrintable(Manual::text()));
        SystemReadings readings;
        readings.system.dwProcessorType = 586;
        const QString report = SystemReport::text(readings, "", "");
        QFETCH(QString, reportLine);
        QVERIFY2(report.contains("\r\n" + reportLine + "\r\n"), qPrintable(report));
        QTEST(AboutBox::disclaimer().section("\r\n", 0, 0), "disclaimerLine");
        QTEST(startPageShown(), "startPage");
        QTEST(toolHelpLine(locale), "toolHelpLine");
        QTEST(damageNotice(), "damageNotice");
    }

    // Qt's own dialogs speak the language too, from Qt's shipped translations.
    void qtDialogsInTheLanguage()
    {
        Translations::install(QLocale("de_DE"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    }
};

BRIVOLA_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
