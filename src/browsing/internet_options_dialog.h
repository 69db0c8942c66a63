#pragma once

// The Internet options: home and search page, and clearing what the engine keeps.

#include <QDialog>

class BrowserProfile;
class QLabel;
class QLineEdit;
class SettingsStore;

class InternetOptionsDialog : public QDialog {
    Q_OBJECT
public:
    InternetOptionsDialog(SettingsStore& settings, BrowserProfile& profile,
                          QWidget* parent = nullptr);

    void accept() override;
    void useDefaults();
    void clearBrowsingData();

private:
    void showNote(const QString& text, bool problem);

    SettingsStore& m_settings;
    BrowserProfile& m_profile;
    QLineEdit* m_homePage;
    QLineEdit* m_searchPage;
    QLabel* m_note;
};
