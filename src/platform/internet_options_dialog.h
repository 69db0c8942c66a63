#pragma once

// The Internet options: home and search page, and clearing what the engine keeps.

#include <QDialog>

class QLabel;
class QLineEdit;
class SettingsStore;

class InternetOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit InternetOptionsDialog(SettingsStore& settings, QWidget* parent = nullptr);

    void accept() override;
    void useDefaults();
    void clearBrowsingData();

private:
    void showNote(const QString& text, bool problem);

    SettingsStore& m_settings;
    QLineEdit* m_homePage;
    QLineEdit* m_searchPage;
    QLabel* m_note;
};
