#pragma once

// The Internet options: home and search page, clearing what the engine keeps and the history,
// and the answers to sites' requests kept for good, each of which can be forgotten.

#include <QDialog>

class BrowserProfile;
class BrowsingMemory;
class QListWidget;
class QLabel;
class QLineEdit;
class SettingsStore;

class InternetOptionsDialog : public QDialog {
    Q_OBJECT
public:
    InternetOptionsDialog(SettingsStore& settings, BrowserProfile& profile, BrowsingMemory& memory,
                          QWidget* parent = nullptr);

    QListWidget* const keptPermissions;

    void accept() override;
    void useDefaults();
    void clearBrowsingData();
    void forgetSelectedPermission();

private:
    void listPermissions();
    void showNote(const QString& text, bool problem);

    SettingsStore& m_settings;
    BrowserProfile& m_profile;
    BrowsingMemory& m_memory;
    QLineEdit* m_homePage;
    QLineEdit* m_searchPage;
    QLabel* m_note;
};
