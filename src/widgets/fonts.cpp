#include "widgets/fonts.h"

#include <QStringList>

namespace {

QFont font(const QStringList& families, double points, bool bold)
{
    QFont result;
    result.setFamilies(families);
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

} // namespace

QFont msSansSerif(double points, bool bold)
{
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                points, bold);
}

QFont arial(double points, bool bold)
{
    return font(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        points, bold);
}
