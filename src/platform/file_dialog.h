#pragma once

// The save-file dialog: a filter, shown for saving, then either cancelled or a chosen name,
// which the dialog remembers and offers again the next time it shows.

#include <QString>

#include <memory>

class QWidget;

class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Entries of description and pattern, all separated by "|":
    // "Text Files (*.txt)|*.txt". Patterns within an entry are separated by ";".
    virtual void setFilter(const QString& filter) = 0;
    // The name the next showing offers; a full path starts the dialog in its folder.
    virtual void setFileName(const QString& path) = 0;
    // Lets the user pick a file to save to; returns when they chose or cancelled.
    virtual void showSave() = 0;
    // Whether the last showing was cancelled.
    virtual bool cancelled() const = 0;
    // The name chosen last; cancelling keeps the one before.
    virtual QString fileName() const = 0;
};

// Makes the file dialogs of the program's windows.
class FileDialogFactory {
public:
    virtual ~FileDialogFactory() = default;
    // The dialog shows over the parent window.
    virtual std::unique_ptr<FileDialog> create(QWidget* parent) = 0;
};
