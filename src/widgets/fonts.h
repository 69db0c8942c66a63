#pragma once

// The fonts the windows are designed with, falling back to metric-compatible ones on desktops
// that do not have them.

#include <QFont>

QFont msSansSerif(double points, bool bold = false);
QFont arial(double points, bool bold = false);
