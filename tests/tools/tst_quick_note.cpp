#include "platform/twips.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "tools/quick_note.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The frame with one QuickNote opened from it, and a folder to save notes in.
struct NoteFixture : FrameFixture {
    QTemporaryDir folder;
    FakeFileDialog* dialog = fakes.fileDialogs->created.first();
    Form3* note = open();

    Form3* open()
    {
        frame.cmdQuick->click();
        return qobject_cast<Form3*>(frame.activeChild());
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    void save(Form3* window, const std::optional<QString>& answer)
    {
        dialog->answers.append(answer);
        window->Command1->click();
    }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

} // namespace

class TestQuickNote : public QObject {
    Q_OBJECT
private slots:
    void opensAsAChildOfTheFrame();
    void menuItemOpensOneToo();
    void opensAtItsDesignSizeWithTheButtonBelow();
    void layout_data();
    void layout();
    void savesTheTextWithOneLineEnd_data();
    void savesTheTextWithOneLineEnd();
    void savingTwiceReplacesTheFile();
    void cancelOrNoNameWritesNothing_data();
    void cancelOrNoNameWritesNothing();
    void unwritableFileIsReported_data();
    void unwritableFileIsReported();
    void everyNoteSharesTheFramesDialog();
};

void TestQuickNote::opensAsAChildOfTheFrame()
{
    NoteFixture f;
    QVERIFY(f.note);
    QCOMPARE(f.children().size(), 2); // the first browser window and the note
    QCOMPARE(f.note->property("Tag").toString(), "QuickNote");
    QCOMPARE(f.children().last()->windowTitle(), "QuickNote");
    QCOMPARE(f.note->Command1->text(), "Save QuickNote");
    QCOMPARE(f.note->Text1->toPlainText(), "");
    QCOMPARE(f.frame.WindowNums, 1);
}

void TestQuickNote::menuItemOpensOneToo()
{
    NoteFixture f;
    f.frame.mnuQuicknote->trigger();
    QCOMPARE(f.children().size(), 3);
    QVERIFY(qobject_cast<Form3*>(f.frame.activeChild()) != f.note);
}

void TestQuickNote::opensAtItsDesignSizeWithTheButtonBelow()
{
    NoteFixture f;
    QCOMPARE(f.children().last()->size(), Twips::toPixels(QSize(3945, 2985)));
    QCOMPARE(f.note->Text1->geometry(), QRect(0, 0, Twips::toPixels(3845), Twips::toPixels(2185)));
    QCOMPARE(f.note->Command1->geometry(),
             QRect(0, f.note->Text1->height(), Twips::toPixels(3845), Twips::toPixels(400)));
}

void TestQuickNote::layout_data()
{
    QTest::addColumn<int>("width"); // twips, whole pixels at 96 dots per inch
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("laidOut");
    QTest::newRow("large") << 6000 << 4500 << true;
    QTest::newRow("just taller than 900") << 3000 << 915 << true;
    QTest::newRow("900 high") << 3000 << 900 << false;
    QTest::newRow("just wider than 200") << 225 << 3000 << true;
    QTest::newRow("200 wide") << 200 << 3000 << false;
}

void TestQuickNote::layout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, laidOut);
    NoteFixture f;
    f.note->Text1->move(5, 5); // the text box returns to the corner whatever the size
    const QRect text = f.note->Text1->geometry().translated(-5, -5);
    const QRect button = f.note->Command1->geometry();
    f.children().last()->resize(Twips::toPixels(QSize(width, height)));

    QCOMPARE(f.note->Text1->pos(), QPoint(0, 0));
    if (laidOut) {
        QCOMPARE(f.note->Text1->size(), Twips::toPixels(QSize(width - 100, height - 800)));
        QCOMPARE(
            f.note->Command1->geometry(),
            QRect(0, f.note->Text1->height(), Twips::toPixels(width - 100), Twips::toPixels(400)));
    } else {
        QCOMPARE(f.note->Text1->geometry(), text);
        QCOMPARE(f.note->Command1->geometry(), button);
    }
}

void TestQuickNote::savesTheTextWithOneLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty note") << "" << QByteArray("\r\n");
    QTest::newRow("one line") << "Buy milk" << QByteArray("Buy milk\r\n");
    QTest::newRow("lines") << "Buy milk\nCall Anna\n"
                           << QByteArray("Buy milk\r\nCall Anna\r\n\r\n");
}

void TestQuickNote::savesTheTextWithOneLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, file);
    NoteFixture f;
    f.note->Text1->setPlainText(text);
    f.save(f.note, f.path("note.txt"));
    QCOMPARE(contents(f.path("note.txt")), file);
    QCOMPARE(f.note->Text1->toPlainText(), text); // the note stays as it was
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestQuickNote::savingTwiceReplacesTheFile()
{
    NoteFixture f;
    f.note->Text1->setPlainText(QStringLiteral("A first, much longer text"));
    f.save(f.note, f.path("note.txt"));
    f.note->Text1->setPlainText(QStringLiteral("Short"));
    f.save(f.note, f.path("note.txt"));
    QCOMPARE(contents(f.path("note.txt")), QByteArray("Short\r\n"));
}

void TestQuickNote::cancelOrNoNameWritesNothing_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancelled") << std::optional<QString>();
    QTest::newRow("no name") << std::optional<QString>(QString());
}

void TestQuickNote::cancelOrNoNameWritesNothing()
{
    QFETCH(std::optional<QString>, answer);
    NoteFixture f;
    f.note->Text1->setPlainText(QStringLiteral("Buy milk"));
    f.save(f.note, answer);
    QCOMPARE(f.dialog->offered.size(), 1);
    QVERIFY(QDir(f.folder.path()).isEmpty());
    QVERIFY(f.fakes.messageBox->prompts.isEmpty());
}

void TestQuickNote::unwritableFileIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << ""
                              << "directory";
    QTest::newRow("a missing folder") << "missing/note.txt"
                                      << "No such file";
}

void TestQuickNote::unwritableFileIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    NoteFixture f;
    f.note->Text1->setPlainText(QStringLiteral("Buy milk"));
    const QString path = name.isEmpty() ? f.folder.path() : f.path(name);
    f.save(f.note, path);
    QCOMPARE(f.fakes.messageBox->prompts.size(), 1);
    const QString prompt = f.fakes.messageBox->prompts.first();
    QVERIFY2(prompt.contains(path) && prompt.contains(reason), qPrintable(prompt));
    QCOMPARE(f.note->Text1->toPlainText(), "Buy milk");
    QVERIFY(QDir(f.folder.path()).isEmpty());
}

void TestQuickNote::everyNoteSharesTheFramesDialog()
{
    NoteFixture f;
    Form3* second = f.open();
    f.save(f.note, f.path("first.txt"));
    f.save(second, std::nullopt);
    QCOMPARE(f.fakes.fileDialogs->created.size(), 1);
    QCOMPARE(f.dialog->filter, "Text Files (*.txt)|*.txt");
    // The second note's dialog offered the name the first one chose.
    QCOMPARE(f.dialog->offered, (QStringList{QString(), f.path("first.txt")}));
}

BRIVOLA_TEST_MAIN(TestQuickNote)
#include "tst_quick_note.moc"
