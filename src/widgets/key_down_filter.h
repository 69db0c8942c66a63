#pragma once

// Key codes as the windows' key handlers receive them.

#include <functional>

class QWidget;

constexpr int kEnterKeyCode = 13;

// Calls the handler with the code of every key pressed in the widget: 13 for Return and the
// keypad's Enter, Qt's key number for every other key. Enter goes no further than the handler.
void onKeyDown(QWidget* widget, std::function<void(int)> handler);
