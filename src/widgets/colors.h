#pragma once

// Small helpers for the windows' designed colours.

#include <QColor>

class QWidget;

inline const QColor kLightGrey(192, 192, 192);

// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& color);
// Sets the colour a label or a text box writes in.
void setTextColor(QWidget* widget, const QColor& color);
