#pragma once

// A window's outer size in twips: the frame around it included, and for a child of the main
// frame the size of the child window that holds it.

#include <QSize>

class QWidget;

QSize outerSizeTwips(const QWidget* window);
void setOuterSizeTwips(QWidget* window, QSize twips);
bool isMinimizedWindow(const QWidget* window);
