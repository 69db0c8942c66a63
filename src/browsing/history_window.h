#pragma once

// The History window (File > "History", Ctrl+H): the visits, newest first, under the day they
// were made; the search field narrows them to those whose address or title holds its text.
// Enter or a double-click opens a visit's page in a new browser window, "Delete" (or the Delete
// key) removes the selected visits, "Clear History" every one after asking.

#include <QWidget>

class BrowsingMemory;
class MainFrameLink;
class MessageBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(BrowsingMemory& memory, MessageBox& messages, MainFrameLink& frame,
                  QWidget* owner);

    QLineEdit* const searchField;
    QTreeWidget* const visitList;
    QPushButton* const deleteButton;
    QPushButton* const clearButton;

    // Reads the visits afresh and shows the window in front of the others.
    void bringUp();
    void showVisits();
    void openSelected();
    void deleteSelected();
    void clearAll();

private:
    BrowsingMemory& m_memory;
    MessageBox& m_messages;
    MainFrameLink& m_frame;
};
