#include "core/command_line.h"
#include "core/shared_texts.h"
#include "core/time_online.h"
#include "core/translations.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

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

    // The frame's menus and buttons, the clock, a message and the help, in the locale's
    // language; under C and English the English texts exactly, with no catalogue installed.
    void frameInTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("helpLine");
        const QStringList english{"&File", "&Tools", "&Window", "&Help"};
        const QString englishClock = "Time Online: 0 Hours 1 Minutes 0 Seconds ";
        for (const char* name : {"C", "en_US", "en_GB"})
            QTest::newRow(name) << name << false << english << "New Browser" << englishClock
                                << "Cannot connect to this site or directory"
                                << "Show this help and exit.";
        QTest::newRow("de_DE")
            << "de_DE" << true << QStringList{"&Datei", "E&xtras", "&Fenster", "&Hilfe"}
            << "Neuer Browser"
            << "Online-Zeit: 0 Stunden 1 Minuten 0 Sekunden "
            << "Keine Verbindung zu dieser Website oder diesem Verzeichnis möglich"
            << "Diese Hilfe zeigen und beenden.";
        QTest::newRow("fr_FR") << "fr_FR" << true
                               << QStringList{"&Fichier", "&Outils", "Fe&nêtre", "&Aide"}
                               << "Navigateur"
                               << "En ligne : 0 heures 1 minutes 0 secondes "
                               << "Impossible de se connecter à ce site ou à ce répertoire"
                               << "Afficher cette aide et quitter.";
        QTest::newRow("es_ES") << "es_ES" << true
                               << QStringList{"&Archivo", "&Herramientas", "&Ventana", "A&yuda"}
                               << "Navegador"
                               << "En línea: 0 horas 1 minutos 0 segundos "
                               << "No se puede conectar con este sitio o directorio"
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
        QFETCH(QString, helpLine);
        QVERIFY2(CommandLine::helpText().contains(helpLine), qPrintable(CommandLine::helpText()));
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
