#pragma once

// An App over fakes with its main frame shown, and the organizer opened from the frame's
// button; the settings store may be a real file store in a temporary folder.

#include "app/app.h"
#include "organizer/organizer_window.h"
#include "organizer/stored_count.h"
#include "platform/qt_settings_store.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct OrganizerFixture {
    enum class Store { Fake, RealFile };

    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<App> app;
    MDIForm1* frame = nullptr;

    explicit OrganizerFixture(Store kind = Store::Fake)
    {
        PlatformServices services = fakes.services();
        if (kind == Store::RealFile)
            services.settings = std::make_unique<QtSettingsStore>(dir.path());
        start(std::move(services));
    }

    // The fixture's fakes.settings is then not the App's store.
    explicit OrganizerFixture(std::unique_ptr<SettingsStore> store)
    {
        PlatformServices services = fakes.services();
        services.settings = std::move(store);
        start(std::move(services));
    }

    QString realStoreFile() const
    {
        return dir.filePath(kOrganizerApplication + QStringLiteral(".ini"));
    }
    // Writes the real store's pending changes to its file.
    void flush() const { dynamic_cast<QtSettingsStore&>(app->settings()).flush(); }
    // The real store's file as the next start of the program reads it.
    std::unique_ptr<QtSettingsStore> restartedStore() const
    {
        flush();
        return std::make_unique<QtSettingsStore>(dir.path());
    }

    SettingsStore& store() const { return app->settings(); }
    QString stored(const QString& section, const QString& key) const
    {
        return store().read(kOrganizerApplication, section, key, QStringLiteral("<absent>"));
    }
    void put(const QString& section, const QString& key, const QString& value) const
    {
        store().write(kOrganizerApplication, section, key, value);
    }

    // Opens the organizer as the user does; nullptr when it did not open.
    Calender1* open() const
    {
        frame->Command1->click();
        return app->loadedCalender1();
    }

    void start(PlatformServices services)
    {
        app = std::make_unique<App>(std::move(services));
        frame = &app->mdiForm1();
        frame->setGeometry(0, 0, 1024, 768);
        frame->show();
    }

    // Double-clicks an entry of a list as the user does.
    static void doubleClick(QListWidget* list, int row)
    {
        list->doItemsLayout();
        const QRect place = list->visualItemRect(list->item(row));
        // What the window system sends: a click, then a press that is a double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    int browserWindows() const { return static_cast<int>(frame->mdiArea->subWindowList().size()); }
};
