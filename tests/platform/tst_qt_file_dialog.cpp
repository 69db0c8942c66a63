#include "platform/qt_file_dialog.h"
#include "support/test_main.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Runs the answer on the file dialog once it shows; the answer closes it.
void whenDialogShows(const std::function<void(QFileDialog&)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

} // namespace

class TestQtFileDialog : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void remembersTheChosenName();
};

void TestQtFileDialog::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("description names the pattern")
        << "Text Files (*.txt)|*.txt" << QStringList{"Text Files (*.txt)"};
    QTest::newRow("plain description") << "Text Files|*.txt" << QStringList{"Text Files (*.txt)"};
    QTest::newRow("two entries, two patterns")
        << "Pictures|*.png;*.jpg|All Files|*.*"
        << QStringList{"Pictures (*.png *.jpg)", "All Files (*.*)"};
    QTest::newRow("no filter") << "" << QStringList{};
}

void TestQtFileDialog::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtFileDialog::nameFilters(filter), expected);
}

void TestQtFileDialog::remembersTheChosenName()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.txt"));
    QtFileDialog dialog(nullptr);
    dialog.setFilter(QStringLiteral("Text Files (*.txt)|*.txt"));

    whenDialogShows([&](QFileDialog& shown) {
        QCOMPARE(shown.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(shown.nameFilters(), QStringList{"Text Files (*.txt)"});
        shown.selectFile(first);
        QMetaObject::invokeMethod(&shown, "accept"); // "Save"
    });
    dialog.showSave();
    QVERIFY(!dialog.cancelled());
    QCOMPARE(dialog.fileName(), first);

    QString offered;
    whenDialogShows([&](QFileDialog& shown) {
        offered = shown.selectedFiles().value(0);
        shown.reject();
    });
    dialog.showSave();
    QCOMPARE(offered, first);
    QVERIFY(dialog.cancelled());
    QCOMPARE(dialog.fileName(), first);
}

BRIVOLA_TEST_MAIN(TestQtFileDialog)
#include "tst_qt_file_dialog.moc"
