#pragma once

// A window the frame waits for asks the window manager for no minimise button. Some window
// managers (openbox) offer one all the same; minimised there, the window comes straight back.

class QWidget;

void keepUnminimised(QWidget* window);
