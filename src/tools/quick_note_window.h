#pragma once

// A QuickNote: a pale yellow note inside the main frame, saved to a text file the user picks.

#include <QWidget>

class MainFrameLink;
class MessageBox;
class QPlainTextEdit;
class QPushButton;

class QuickNoteWindow : public QWidget {
    Q_OBJECT
public:
    inline static const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt");

    QuickNoteWindow(MainFrameLink& frame, MessageBox& messages, QWidget* parent = nullptr);

    QPlainTextEdit* const noteText;
    QPushButton* const saveButton;

public slots:
    void takeFirstSize();
    void layOutContents();
    // "Save QuickNote"
    void save();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainFrameLink& m_frame;
    MessageBox& m_messages;
    bool m_loaded = false;
};
