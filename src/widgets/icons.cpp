#include "widgets/icons.h"

#include <QApplication>

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/icons/brivola.svg"));
}

QIcon themedIcon(const QString& themeName, QStyle::StandardPixmap styleFallback)
{
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(styleFallback));
}

QIcon themedIcon(const QString& themeName, const QString& ownIcon)
{
    return QIcon::fromTheme(themeName, QIcon(ownIcon));
}
