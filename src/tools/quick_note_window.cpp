#include "tools/quick_note_window.h"

#include "core/errors.h"
#include "core/shared_texts.h"
#include "core/twips.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "widgets/colors.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/main_frame_link.h"
#include "widgets/window_geometry.h"

#include <QPlainTextEdit>
#include <QPushButton>

Form3::Form3(MainFrameLink& frame, MessageBox& messages, QWidget* parent)
    : QWidget(parent), Text1(new QPlainTextEdit(this)),
      Command1(new QPushButton(QStringLiteral("Save QuickNote"), this)), m_frame(frame),
      m_messages(messages)
{
    setObjectName(QStringLiteral("Form3"));
    setProperty("Tag", QStringLiteral("QuickNote"));
    setWindowTitle(QStringLiteral("QuickNote"));
    setWindowIcon(programIcon());
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1->setObjectName(QStringLiteral("Command1"));

    Text1->setGeometry(Twips::rect(0, 0, 3615, 1215));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(msSansSerif(13.5));
    setBackground(Text1, QColor(255, 255, 128));
    Command1->setGeometry(Twips::rect(0, 2160, 3855, 375));
    setTabOrder(Text1, Command1);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Form_Load()
{
    setOuterSizeTwips(this, QSize(3945, 2985));
}

void Form3::Form_Resize()
{
    Text1->move(0, 0);
    const QSize outer = outerSizeTwips(this);
    if (outer.height() <= 900 || outer.width() <= 200)
        return;
    Text1->resize(Twips::toPixels(outer.width() - 100), Twips::toPixels(outer.height() - 800));
    Command1->setGeometry(0, Text1->height(), Twips::toPixels(outer.width() - 100),
                          Twips::toPixels(400));
}

void Form3::Command1_Click()
{
    FileDialog& dialog = m_frame.fileDialog();
    QString name;
    try {
        dialog.setFilter(kFilter);
        dialog.showSave();
        name = dialog.fileName();
        if (dialog.cancelled() || name.isEmpty())
            return;
        TextFile::write(name, TextFile::withCrLf(Text1->toPlainText()) + Texts::kLineEnd);
    } catch (const FileError& error) {
        m_messages.show(this, QStringLiteral("The QuickNote could not be saved to \"%1\": %2")
                                  .arg(name, QString::fromUtf8(error.what())));
    }
}

void Form3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void Form3::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
