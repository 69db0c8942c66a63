#include "shell/app.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"
#include "support/test_main.h"

#include <QPointer>

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void globalWindowLoadsOnFirstReference();
    void unloadDiscardsState();
};

void TestApp::globalWindowLoadsOnFirstReference()
{
    FakePlatform fakes;
    App app(fakes.services());
    QVERIFY(!app.loadedMdiForm1());
    MDIForm1& frame = app.mdiForm1();
    QCOMPARE(app.loadedMdiForm1(), &frame);
    QCOMPARE(&app.mdiForm1(), &frame);
    QVERIFY(!frame.isVisible()); // loaded hidden
}

void TestApp::unloadDiscardsState()
{
    FakePlatform fakes;
    App app(fakes.services());
    QPointer<MDIForm1> first = &app.mdiForm1();
    first->cmdBrowser_Click();
    QCOMPARE(first->WindowNums, 2);

    app.unload(*first);
    QVERIFY(!app.loadedMdiForm1());
    QTRY_VERIFY(first.isNull()); // deleted once control returns to the event loop

    MDIForm1& second = app.mdiForm1();
    QCOMPARE(second.WindowNums, 1);
    QCOMPARE(fakes.browsers->controls().size(), 1);
}

BRIVOLA_TEST_MAIN(TestApp)
#include "tst_app.moc"
