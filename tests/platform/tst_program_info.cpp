#include "platform/real/application_program_info.h"

#include <QApplication>
#include <QTest>

#include <array>

// The application is started with Qt's own options mixed into the program's arguments, as a
// user may start Brivola; the test then reads the command line back.
class TestProgramInfo : public QObject {
    Q_OBJECT
private slots:
    void commandLineLeavesOutQtOptions();
};

void TestProgramInfo::commandLineLeavesOutQtOptions()
{
    QCOMPARE(ApplicationProgramInfo().commandLine(), "http://example.com/a b  c");
}

int main(int, char* argv[])
{
    std::array<char*, 9> arguments = {argv[0],
                                      const_cast<char*>("-platform"),
                                      const_cast<char*>("offscreen"),
                                      const_cast<char*>("http://example.com/a"),
                                      const_cast<char*>("--style"),
                                      const_cast<char*>("fusion"),
                                      const_cast<char*>("b "),
                                      const_cast<char*>("c"),
                                      nullptr};
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication application(count, arguments.data());
    TestProgramInfo test;
    return QTest::qExec(&test, 1, argv);
}

#include "tst_program_info.moc"
