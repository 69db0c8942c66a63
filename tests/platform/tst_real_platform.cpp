#include "core/errors.h"
#include "platform/real/linux_system_info.h"
#include "platform/real/qt_file_dialog.h"
#include "platform/real/qt_message_box.h"
#include "platform/real/qt_printer.h"
#include "platform/real/system_clock.h"
#include "support/files.h"
#include "support/test_main.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Runs the answer on the modal dialog once it shows; a dialog the answer leaves open (as a
// failed check does) is then cancelled.
template <class Dialog> void whenShown(const std::function<void(Dialog&)>& answer)
{
    QTimer::singleShot(0, [answer] {
        QPointer<Dialog> dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

// The platform's real dialogs, printer, clock and power supply, driven as a user would.
class TestRealPlatform : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data()
    {
        using A = MessageBox::Answer;
        using B = MessageBox::Buttons;
        QTest::addColumn<MessageBox::Buttons>("buttons");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("offered"); // QMessageBox::StandardButtons
        QTest::addColumn<int>("clicked"); // one of them; 0 for Esc
        QTest::addColumn<MessageBox::Answer>("answer");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int saveDiscardCancel =
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        QTest::newRow("OK") << B::Ok << Texts::kProductTitle << int(QMessageBox::Ok)
                            << int(QMessageBox::Ok) << A::Ok;
        QTest::newRow("Esc on Yes/No") << B::YesNo << "Clear the Schedule" << yesNo << 0 << A::No;
        QTest::newRow("Discard") << B::SaveDiscardCancel << "QuickNote" << saveDiscardCancel
                                 << int(QMessageBox::Discard) << A::Discard;
        QTest::newRow("Esc on Save/Discard/Cancel")
            << B::SaveDiscardCancel << "QuickNote" << saveDiscardCancel << 0 << A::Cancel;
    }

    // A box shows over the window given, with the buttons asked for and no icon; the one
    // clicked answers. A short prompt still leaves room for the whole title beside the window
    // manager's buttons.
    void messageBoxes()
    {
        QFETCH(MessageBox::Buttons, buttons);
        QFETCH(QString, title);
        QFETCH(int, offered);
        QFETCH(int, clicked);
        QWidget parent;
        QtMessageBox boxes;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.parentWidget(), &parent);
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QCOMPARE(int(box.standardButtons()), offered);
            QFont bold = box.font();
            bold.setBold(true);
            const QFontMetrics metrics(bold);
            QVERIFY(box.width() >= metrics.horizontalAdvance(title) + 4 * metrics.height());
            if (clicked == 0)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.button(QMessageBox::StandardButton(clicked))->click();
        });
        QTEST(boxes.show(&parent, "Printer Error", buttons, title), "answer");
    }

    // The desktop's own dialog lists text files. The first save starts in the user's documents,
    // or at home without them, not where the program was started; later saves offer the name
    // chosen last, in its folder.
    void fileDialogFiltersAndRemembers()
    {
        QTemporaryDir home;
        const QByteArray userHome = qgetenv("HOME");
        const QByteArray userConfig = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", userHome);
            qputenv("XDG_CONFIG_HOME", userConfig);
        });
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8()); // no named folders
        QtFileDialog dialog(nullptr);
        dialog.setFilter(QStringLiteral("Text Files (*.txt)|*.txt"));
        QString folder;
        QString offered;
        const auto showAndCancel = [&] {
            whenShown<QFileDialog>([&](QFileDialog& shown) {
                folder = shown.directory().path();
                offered = shown.selectedFiles().value(0);
            });
            dialog.showSave();
        };
        showAndCancel();
        QCOMPARE(folder, home.path());

        const QString first = home.filePath(QStringLiteral("Documents/first.txt"));
        QDir(home.path()).mkdir(QStringLiteral("Documents"));
        whenShown<QFileDialog>([&](QFileDialog& shown) {
            folder = shown.directory().path();
            QCOMPARE(shown.acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(shown.nameFilters(), QStringList{"Text Files (*.txt)"});
            shown.selectFile(first);
            QMetaObject::invokeMethod(&shown, "accept"); // "Save"
        });
        dialog.showSave();
        QCOMPARE(folder, home.filePath(QStringLiteral("Documents")));
        QVERIFY(!dialog.cancelled());
        showAndCancel();
        QCOMPARE(offered, first);
        QVERIFY(dialog.cancelled());
        QCOMPARE(dialog.fileName(), first);

        // A name in a folder that does not exist is offered in the documents.
        dialog.setFileName(home.filePath(QStringLiteral("Missing/report.bin")));
        showAndCancel();
        QCOMPARE(offered, home.filePath(QStringLiteral("Documents/report.bin")));
    }

    void printerWithoutAPrinterFails()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer, and the test must not use it");
        QtPrinter printer;
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.setFontSize(12));
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.print(QStringLiteral("Agenda For:")));
        QVERIFY_THROWS_EXCEPTION(PrinterError, printer.endDocument());
    }

    void timeFormats()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QTime time(15, 45, 7);
        QCOMPARE(us.toString(time, SystemClock::timeFormatWithoutZone(us)), "3:45:07 PM");
        QCOMPARE(us.toString(time, SystemClock::timeFormatWithoutSeconds(us)), "3:45 PM");
        // Spanish puts the zone in parentheses, which go with it.
        const QLocale spain(QLocale::Spanish, QLocale::Spain);
        QCOMPARE(spain.toString(time, SystemClock::timeFormatWithoutZone(spain)), "15:45:07");
    }

    // Power supplies as files "supply/attribute=value" below /sys/class/power_supply; the
    // record read as AC status, battery flag, percent and seconds left.
    void power_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<quint32>>("record");
        const quint32 unknown = PowerStatusRecord::kUnknownLifeTime;
        QTest::newRow("no battery") << QStringList{} << QList<quint32>{255, 128, 255, unknown};
        QTest::newRow("critical on charge; a mouse's battery does not count")
            << QStringList{"AC/type=Mains",           "AC/online=0",
                           "BAT0/type=Battery",       "BAT0/status=Discharging",
                           "BAT0/charge_now=120000",  "BAT0/charge_full=4000000",
                           "BAT0/current_now=240000", "mouse/type=Battery",
                           "mouse/scope=Device",      "mouse/capacity=90"}
            << QList<quint32>{0, 4, 3, 1800};
    }

    void power()
    {
        QFETCH(QStringList, files);
        QTemporaryDir root;
        for (const QString& file : files) {
            const QString path = root.filePath("sys/class/power_supply/" + file.section('=', 0, 0));
            QVERIFY(QDir().mkpath(QFileInfo(path).path()) &&
                    writeFile(path, file.section('=', 1).toUtf8() + '\n'));
        }
        const PowerStatusRecord power = LinuxSystemInfo(root.path()).powerStatus();
        QTEST((QList<quint32>{power.ACLineStatus, power.BatteryFlag, power.BatteryLifePercent,
                              power.BatteryLifeTime}),
              "record");
    }
};

BRIVOLA_TEST_MAIN(TestRealPlatform)
#include "tst_real_platform.moc"
