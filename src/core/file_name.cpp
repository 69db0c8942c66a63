#include "core/file_name.h"

#include <QRegularExpression>

namespace {

constexpr qsizetype kLongestName = 100;

} // namespace

QString fileNameFromTitle(const QString& title)
{
    static const QRegularExpression unwanted(QStringLiteral("[/\\\\\\p{Cc}]+"));
    static const QRegularExpression leadingDots(QStringLiteral("^[.\\s]+"));
    QString name = QString(title).replace(unwanted, QStringLiteral(" ")).simplified();
    name = name.remove(leadingDots).left(kLongestName).trimmed();
    return name.isEmpty() ? QStringLiteral("page") : name;
}
