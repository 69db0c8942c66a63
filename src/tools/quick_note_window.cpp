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

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

QuickNoteWindow::QuickNoteWindow(MainFrameLink& frame, MessageBox& messages, QWidget* parent)
    : QWidget(parent), noteText(new QPlainTextEdit(this)),
      saveButton(new QPushButton(tr("Save QuickNote"), this)), m_frame(frame), m_messages(messages)
{
    setObjectName(QStringLiteral("QuickNoteWindow"));
    setProperty("Tag", QStringLiteral("QuickNote"));
    setWindowTitle(QStringLiteral("QuickNote"));
    setWindowIcon(programIcon());
    noteText->setObjectName(QStringLiteral("noteText"));
    noteText->setAccessibleName(tr("Note"));
    saveButton->setObjectName(QStringLiteral("saveButton"));

    noteText->setGeometry(Twips::rect(0, 0, 3615, 1215));
    noteText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    noteText->setFont(msSansSerif(13.5));
    setBackground(noteText, QColor(255, 255, 128));
    saveButton->setGeometry(Twips::rect(0, 2160, 3855, 375));
    setTabOrder(noteText, saveButton);
    connect(saveButton, &QPushButton::clicked, this, &QuickNoteWindow::save);
}

void QuickNoteWindow::takeFirstSize()
{
    setOuterSizeTwips(this, QSize(3945, 2985));
}

void QuickNoteWindow::layOutContents()
{
    noteText->move(0, 0);
    const QSize outer = outerSizeTwips(this);
    if (outer.height() <= 900 || outer.width() <= 200)
        return;
    noteText->resize(Twips::toPixels(outer.width() - 100), Twips::toPixels(outer.height() - 800));
    saveButton->setGeometry(0, noteText->height(), Twips::toPixels(outer.width() - 100),
                            Twips::toPixels(400));
}

bool QuickNoteWindow::save()
{
    FileDialog& dialog = m_frame.fileDialog();
    QString name;
    try {
        dialog.setFilter(tr(kFilter.toUtf8().constData()));
        dialog.showSave();
        name = dialog.fileName();
        if (dialog.cancelled() || name.isEmpty())
            return false;
        const QString text = noteText->toPlainText();
        TextFile::write(name, TextFile::withCrLf(text) + Texts::kLineEnd);
        m_savedText = text;
        return true;
    } catch (const FileError& error) {
        m_messages.show(this, tr("The QuickNote could not be saved to \"%1\": %2")
                                  .arg(name, QString::fromUtf8(error.what())));
        return false;
    }
}

bool QuickNoteWindow::hasUnsavedText() const
{
    return noteText->toPlainText() != m_savedText;
}

bool QuickNoteWindow::askToCloseUnsaved()
{
    if (!hasUnsavedText())
        return true;
    switch (m_messages.show(this, tr("Save changes?"), MessageBox::Buttons::SaveDiscardCancel,
                            windowTitle())) {
    case MessageBox::Answer::Save:
        return save();
    case MessageBox::Answer::Discard:
        discardUnsavedText();
        return true;
    default:
        return false;
    }
}

void QuickNoteWindow::discardUnsavedText()
{
    m_savedText = noteText->toPlainText();
}

void QuickNoteWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        takeFirstSize();
    }
}

void QuickNoteWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutContents();
}

void QuickNoteWindow::closeEvent(QCloseEvent* event)
{
    if (askToCloseUnsaved())
        event->accept();
    else
        event->ignore();
}
