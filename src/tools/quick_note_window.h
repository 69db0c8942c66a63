#pragma once

// A QuickNote: a pale yellow note inside the main frame, saved to a text file the user picks.

#include <QWidget>

class MainFrameLink;
class MessageBox;
class QPlainTextEdit;
class QPushButton;

class Form3 : public QWidget {
    Q_OBJECT
public:
    inline static const QString kFilter = QStringLiteral("Text Files (*.txt)|*.txt");

    Form3(MainFrameLink& frame, MessageBox& messages, QWidget* parent = nullptr);

    QPlainTextEdit* const Text1;
    QPushButton* const Command1;

public slots:
    void Form_Load();
    void Form_Resize();
    // "Save QuickNote"
    void Command1_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainFrameLink& m_frame;
    MessageBox& m_messages;
    bool m_loaded = false;
};
