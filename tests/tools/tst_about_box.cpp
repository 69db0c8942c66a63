#include "platform/twips.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "tools/about_box.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// Does what the user does once the About box shows, then notes whether it closed.
struct AboutFixture : FrameFixture {
    bool wasShown = false;
    bool closed = false;

    void showAndAnswer(const std::function<void(frmAbout&)>& answer)
    {
        QTimer::singleShot(0, [this, answer] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!box)
                return;
            wasShown = true;
            answer(*box);
            closed = !box->isVisible();
            if (!closed)
                box->cmdOK->click(); // let the test end rather than wait
        });
        frame.mnuAboutItem->trigger(); // returns when the box closes
    }
};

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void design();
    void disclaimer();
    void keysClose_data();
    void keysClose();
    void disclaimerCannotBeEdited();
};

void TestAboutBox::design()
{
    AboutFixture f;
    frmAbout& box = f.app.frmAbout();
    QCOMPARE(box.windowTitle(), "About Brivola 2.0");
    QCOMPARE(box.lblTitle->text(), "Brivola");
    QCOMPARE(box.lblVersion->text(), "Version 2.0");
    QCOMPARE(box.lblDescription->text(),
             "Web Browser supporting Multi-Document and Full-Screen Browsing");
    QCOMPARE(box.cmdOK->text(), "OK");
    QVERIFY(box.cmdOK->isDefault());
    QVERIFY(!box.picIcon->pixmap().isNull());
    // The etched separator: a grey line with a white one just below it.
    const QImage image = box.grab().toImage();
    const int line = Twips::toPixels(4080);
    QCOMPARE(image.pixelColor(image.width() / 2, line), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(image.width() / 2, line + 1), QColor(Qt::white));
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestAboutBox::disclaimer()
{
    const QString text = frmAbout::kDisclaimer;
    QVERIFY(text.startsWith("DISCLAIMER OF WARRANTY: BRIVOLA 2.0\r\n\r\n"));
    QCOMPARE(text, text.toUpper());
    QVERIFY(qAbs(text.size() - 874) < 40);
    QCOMPARE(text.count('\n'), text.count("\r\n")); // hard-wrapped with CR LF only
    for (const QString& line : text.split("\r\n"))
        QVERIFY2(line.size() <= 40, qPrintable(line));
}

void TestAboutBox::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestAboutBox::keysClose()
{
    QFETCH(int, key);
    AboutFixture f;
    f.showAndAnswer([key](frmAbout& box) { QTest::keyClick(&box, Qt::Key(key)); });
    QVERIFY(f.wasShown);
    QVERIFY(f.closed);
    QVERIFY(!f.app.loadedFrmAbout()); // unloaded: the next one is a fresh box
}

void TestAboutBox::disclaimerCannotBeEdited()
{
    AboutFixture f;
    f.showAndAnswer([](frmAbout& box) {
        QVERIFY(box.isModal());
        QCOMPARE(box.Text1->toPlainText(), QString(frmAbout::kDisclaimer).replace("\r\n", "\n"));
        QVERIFY(box.Text1->verticalScrollBar()->maximum() > 0); // it scrolls
        box.Text1->setFocus();
        QTest::keyClicks(box.Text1, "NO");
        QTest::keyClick(box.Text1, Qt::Key_Delete);
        QCOMPARE(box.Text1->toPlainText(), QString(frmAbout::kDisclaimer).replace("\r\n", "\n"));
    });
    QVERIFY(f.wasShown);
}

BRIVOLA_TEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
