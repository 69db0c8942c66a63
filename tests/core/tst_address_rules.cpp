#include "core/address_rules.h"
#include "support/test_main.h"

// What the address boxes may open, typed or pasted by a child or a hostile page.
class TestAddressRules : public QObject {
    Q_OBJECT
private slots:
    void addresses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("inWindow");     // a browser window opens it
        QTest::addColumn<bool>("inFullScreen"); // the full-screen window opens it
        QTest::newRow("web page") << "example.com/a b" << true << true;
        QTest::newRow("line breaks and tabs, as pasted") << "exam\nple.c\tom\r\n" << true << true;
        QTest::newRow("local file") << "file:///home/a.html" << true << true;
        QTest::newRow("mail link") << "mailto:" << true << true;
        QTest::newRow("start page") << "qrc:/start/start.html" << true << true;
        QTest::newRow("script") << "javascript:alert(1)" << false << false;
        QTest::newRow("script in capitals, blanks around") << " JavaScript:1 " << false << false;
        QTest::newRow("NUL character") << QString::fromLatin1("a.com/\0x", 8) << false << false;
        QTest::newRow("data") << "data:text/html,<h1>hi" << true << false;
        QTest::newRow("source view") << "view-source:http://a.test/" << true << false;
        QTest::newRow("engine's pages") << "chrome://settings" << true << false;
        QTest::newRow("developer tools") << "devtools://devtools/x" << true << false;
        QTest::newRow("program's resources") << "qrc:/icons/home.svg" << true << false;
        QTest::newRow("a megabyte of address") << "a.com/" + QString(1 << 20, 'a') << true << true;
        QTest::newRow("a megabyte of text") << QString(1 << 20, 'a') << false << false;
        QTest::newRow("three megabytes") << "a.com/" + QString(3 << 20, 'a') << false << false;
        QTest::newRow("blanks only") << " \n " << false << false;
    }

    void addresses()
    {
        QFETCH(QString, typed);
        QFETCH(bool, inWindow);
        QFETCH(bool, inFullScreen);
        const QString address = AddressRules::cleaned(typed);
        QCOMPARE(AddressRules::refusal(address, false).isEmpty(), inWindow);
        QCOMPARE(AddressRules::refusal(address, true).isEmpty(), inFullScreen);
    }
};

BRIVOLA_TEST_MAIN(TestAddressRules)
#include "tst_address_rules.moc"
