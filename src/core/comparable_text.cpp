#include "core/comparable_text.h"

#include <QList>

#include <algorithm>

namespace {

// Marks sit on the letter before them; format characters and the Hangul fillers show nothing.
bool showsNothing(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return true;
    default:
        return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0;
    }
}

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString comparableText(const QString& text)
{
    if (isAscii(text))
        return text.toLower();
    const QList<uint> decomposed = text.normalized(QString::NormalizationForm_KD).toUcs4();
    QString kept;
    kept.reserve(decomposed.size());
    for (const uint c : decomposed) {
        if (!showsNothing(c))
            kept += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    }
    return kept.toCaseFolded()
        .replace(QChar(0x00DF), QLatin1String("ss"))
        .replace(QChar(0x0131), QLatin1Char('i'));
}
