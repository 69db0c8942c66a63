#pragma once

// Key codes as the windows' key handlers receive them.

class QKeyEvent;

constexpr int kEnterKeyCode = 13;

// 13 for Return and the keypad's Enter, Qt's key number for every other key.
int keyCode(const QKeyEvent& event);
