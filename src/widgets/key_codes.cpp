#include "widgets/key_codes.h"

#include <QKeyEvent>

int keyCode(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return kEnterKeyCode;
    return event.key();
}
