#pragma once

// An App over fakes with its main frame shown at a fixed size, for window tests.

#include "shell/app.h"
#include "shell/main_frame.h"
#include "support/fake_platform.h"

#include <QMdiArea>
#include <QMdiSubWindow>

struct FrameFixture {
    FakePlatform fakes;
    App app{fakes.services()};
    MDIForm1& frame = app.mdiForm1();

    FrameFixture()
    {
        frame.setGeometry(0, 0, 1024, 768);
        frame.show();
    }

    QList<QMdiSubWindow*> children() const { return frame.mdiArea->subWindowList(); }
};
