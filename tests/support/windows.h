#pragma once

// The program's top-level windows, found the way a user's tools find them. A closed window
// counts until it is deleted, once control returns to the event loop.

#include <QApplication>
#include <QWidget>

template <class Window> Window* loadedWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    return nullptr;
}
