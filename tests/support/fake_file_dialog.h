#pragma once

// A save-file dialog whose user answers from a list the test gives.

#include "platform/file_dialog.h"

#include <QStringList>

#include <optional>

class FakeFileDialog : public FileDialog {
public:
    void setFilter(const QString&) override {}
    void setFileName(const QString& path) override { m_fileName = path; }
    // Records the name offered, if asked to, then takes the next answer: a name, or none to cancel.
    void showSave() override;
    bool cancelled() const override { return m_cancelled; }
    QString fileName() const override { return m_fileName; }

    QStringList* offered = nullptr;        // gets the name pre-filled at each showing
    QList<std::optional<QString>> answers; // cancelled once none is left

private:
    QString m_fileName;
    bool m_cancelled = false;
};

class FakeFileDialogFactory : public FileDialogFactory {
public:
    std::unique_ptr<FileDialog> create(QWidget* parent) override;
    // Every dialog made, oldest first; each lives as long as the window that asked for it.
    QList<FakeFileDialog*> created;
    // The answers the next dialog made gives.
    QList<std::optional<QString>> answers;
    // The names offered by every dialog made, also those already gone.
    QStringList offered;
};
