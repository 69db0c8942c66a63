#pragma once

// The frame over fakes, with a restriction list in the store and the full-screen window at hand.

#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "browsing/restriction_list.h"
#include "support/frame_fixture.h"

struct FullScreenFixture : FrameFixture {
    // Writes the list in the store's layout; the window reads it when it next loads.
    void restrict(const QStringList& words)
    {
        using namespace Restrictions;
        fakes.settings->write(kApplication, kSection, kCountKey, QString::number(words.size()));
        for (qsizetype i = 0; i < words.size(); ++i)
            fakes.settings->write(kApplication, kSection, entryKey(i), words[i]);
    }

    Form1& window() { return app.form1(); }
    Form2& toolbar() { return app.form2(); }
    FakeBrowserControl* control()
    {
        return qobject_cast<FakeBrowserControl*>(window().WebBrowser1);
    }
};
