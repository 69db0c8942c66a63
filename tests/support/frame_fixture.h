#pragma once

// An App over fakes, some of which the test may replace, with its main frame shown at a fixed size.

#include "shell/app.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>

struct FrameFixture {
    FakePlatform fakes;
    std::unique_ptr<App> app;
    MainFrame* frame;

    explicit FrameFixture(const std::function<void(PlatformServices&)>& replace = {})
    {
        PlatformServices services = fakes.services();
        if (replace)
            replace(services);
        app = std::make_unique<App>(std::move(services));
        frame = &app->mainFrame();
        frame->setGeometry(0, 0, 1024, 768);
        frame->show();
    }

    QList<QMdiSubWindow*> children() const { return frame->mdiArea->subWindowList(); }
};
