#pragma once

// The save-file dialog through QFileDialog (the desktop's own dialog where it has one).

#include "platform/file_dialog.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent) : m_parent(parent) {}

    void setFilter(const QString& filter) override;
    void setFileName(const QString& path) override { m_fileName = path; }
    void showSave() override;
    bool cancelled() const override { return m_cancelled; }
    QString fileName() const override { return m_fileName; }

    // QFileDialog's name filters for a filter of "description|pattern" entries: the pattern
    // follows the description in parentheses unless the description already ends with it.
    static QStringList nameFilters(const QString& filter);

private:
    QPointer<QWidget> m_parent;
    QStringList m_nameFilters;
    QString m_fileName;
    bool m_cancelled = false;
};

class QtFileDialogFactory : public FileDialogFactory {
public:
    std::unique_ptr<FileDialog> create(QWidget* parent) override
    {
        return std::make_unique<QtFileDialog>(parent);
    }
};
