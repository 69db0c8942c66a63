#include "core/manual.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"

#include <QStandardPaths>
#include <QTemporaryDir>

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void pathRules()
    {
        QCOMPARE(Manual::path("/", '/'), "/caching.htm");
        QCOMPARE(Manual::path("/opt", '/'), "/opt/Manual.htm"); // in the folder, not beside it
    }

    void f1WritesTheManualWhereItCan()
    {
        const QString missing = "/nonexistent/bin"; // not writable, even by root
        openTwice(m_program.path(), m_program.filePath("Manual.htm"));
        openTwice(missing, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                               "/Manual.htm");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/dev/null"); // no data directory either
        openTwice(missing, QString());
        qputenv("XDG_DATA_HOME", dataHome);
    }

private:
    // F1, then the menu item: two browser windows outside "New Browser"'s count, each sent
    // straight to the written file, alone in its folder; with no file, to no page.
    void openTwice(const QString& program, const QString& written)
    {
        FrameFixture f;
        f.fakes.programInfo->directory = program;
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame));
        QTest::keyClick(f.frame, Qt::Key_F1);
        QFile(written).resize(0); // for the second to write again
        f.frame->mnuManualItem->trigger();
        QCOMPARE(f.children().size(), 3);
        QCOMPARE(f.frame->WindowNums, 1);
        const QStringList calls =
            written.isEmpty() ? QStringList() : QStringList{"Navigate " + written};
        QCOMPARE(f.fakes.browsers->controls()[1]->calls, calls);
        QCOMPARE(f.fakes.browsers->controls()[2]->calls, calls);
        QVERIFY(f.fakes.messageBox->prompts.isEmpty());
        if (written.isEmpty())
            return;
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Manual::text().toUtf8() + "\r\n");
        QCOMPARE(QDir(QFileInfo(written).path()).entryList(QDir::Files), QStringList{"Manual.htm"});
    }

    QTemporaryDir m_program;
};

BRIVOLA_TEST_MAIN(TestManual)
#include "tst_manual.moc"
