#pragma once

// Icons: the desktop theme's where it has one, else the style's, else the program's own.

#include <QIcon>
#include <QStyle>

QIcon programIcon();
QIcon themedIcon(const QString& themeName, QStyle::StandardPixmap styleFallback);
QIcon themedIcon(const QString& themeName, const QString& ownIcon);
