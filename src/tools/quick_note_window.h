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
    inline static const QString kFilter =
        QStringLiteral(QT_TRANSLATE_NOOP("QuickNoteWindow", "Text Files (*.txt)|*.txt"));

    QuickNoteWindow(MainFrameLink& frame, MessageBox& messages, QWidget* parent = nullptr);

    QPlainTextEdit* const noteText;
    QPushButton* const saveButton;

    // Text typed since the last save, or since the note opened.
    bool hasUnsavedText() const;
    // Asks "Save changes?" about unsaved text: saves it, or lets it go, or keeps the note open.
    // True when the note may close.
    bool askToCloseUnsaved();
    // The unsaved text goes without a question, as when the program ends on a signal.
    void discardUnsavedText();

public slots:
    void takeFirstSize();
    void layOutContents();
    // "Save QuickNote": true when the text reached the file the user chose.
    bool save();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_savedText;
    MainFrameLink& m_frame;
    MessageBox& m_messages;
    bool m_loaded = false;
};
