#pragma once

// An App over fakes, or over a store the test gives, with its main frame shown at a fixed size.

#include "shell/app.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

struct FrameFixture {
    FakePlatform fakes;
    std::unique_ptr<App> app;
    MDIForm1* frame;

    explicit FrameFixture(std::unique_ptr<SettingsStore> store = {})
    {
        if (store)
            fakes.useSettings(std::move(store));
        app = std::make_unique<App>(fakes.services());
        frame = &app->mdiForm1();
        frame->setGeometry(0, 0, 1024, 768);
        frame->show();
    }

    QList<QMdiSubWindow*> children() const { return frame->mdiArea->subWindowList(); }
};
