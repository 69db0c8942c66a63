#include "shell/manual_file.h"
#include "support/test_main.h"

#include <QStandardPaths>
#include <QTemporaryDir>

// Where F1's manual goes, by where the program runs from: a folder it can write either way
// (as root, a system folder can be written too).
class TestInstalledManual : public QObject {
    Q_OBJECT
private slots:
    void writtenBesideOnlyOutsideAnInstallation_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("build folder") << false;
        QTest::newRow("installed copy") << true;
    }

    void writtenBesideOnlyOutsideAnInstallation()
    {
        QFETCH(bool, installed);
        QTemporaryDir prefix;
        const QDir programs(prefix.filePath("bin"));
        QVERIFY(programs.mkpath("."));
        if (installed) {
            const QString entry = programs.filePath(BRIVOLA_DESKTOP_ENTRY_FROM_PROGRAMS);
            QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
            QVERIFY(QFile(entry).open(QIODevice::WriteOnly));
        }
        const QString dataFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        const QString written = writeManual("page", programs.path());
        QCOMPARE(written, (installed ? QDir(dataFolder) : programs).filePath("Manual.htm"));
        QCOMPARE(programs.exists("Manual.htm"), !installed);
        QVERIFY(QFile::remove(written));
    }
};

BRIVOLA_TEST_MAIN(TestInstalledManual)
#include "tst_installed_manual.moc"
