#include "core/leading_number.h"

#include <QLocale>

#include <algorithm>

namespace {

QString withoutBlanks(const QString& text)
{
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            compact += c;
    }
    return compact;
}

// The value of a hexadecimal or octal digit; -1 for any other character.
int digitValue(QChar c)
{
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool allDigits(const QString& digits, int radix)
{
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [radix](QChar c) {
        const int digit = digitValue(c);
        return digit >= 0 && digit < radix;
    });
}

double radixNumber(const QString& digits, int radix)
{
    double value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

qsizetype skipDigits(const QString& text, qsizetype at)
{
    while (at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'))
        ++at;
    return at;
}

qsizetype skipSign(const QString& text, qsizetype at)
{
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    return at;
}

// The length of the decimal number at the start of the text, exponent included; 0 for none.
qsizetype decimalLength(const QString& text)
{
    const qsizetype signEnd = skipSign(text, 0);
    qsizetype end = skipDigits(text, signEnd);
    bool hasDigits = end > signEnd;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < text.size() && QStringLiteral("eEdD").contains(text[end])) {
        const qsizetype exponentDigits = skipSign(text, end + 1);
        const qsizetype exponentEnd = skipDigits(text, exponentDigits);
        if (exponentEnd > exponentDigits)
            end = exponentEnd;
    }
    return end;
}

} // namespace

double leadingNumber(const QString& text)
{
    QString compact = withoutBlanks(text);
    if (compact.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return radixNumber(compact.mid(2), 16);
    if (compact.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return radixNumber(compact.mid(2), 8);
    compact.truncate(decimalLength(compact));
    compact.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    // Out of range, the result is infinite or 0, as the text says.
    return compact.isEmpty() ? 0.0 : QLocale::c().toDouble(compact);
}

bool isNumberOnly(const QString& text)
{
    const QString compact = withoutBlanks(text);
    if (compact.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return allDigits(compact.mid(2), 16);
    if (compact.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return allDigits(compact.mid(2), 8);
    return !compact.isEmpty() && decimalLength(compact) == compact.size();
}
