#pragma once

// Giving a window's controls their designed names and places.

#include "core/twips.h"

#include <QObject>
#include <QWidget>

template <class Object> Object* named(Object* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// Names the control and places it inside its parent, the geometry in twips.
template <class Widget>
Widget* placed(Widget* widget, const char* name, double left, double top, double width,
               double height)
{
    named(widget, name)->setGeometry(Twips::rect(left, top, width, height));
    return widget;
}
