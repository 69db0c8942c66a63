#include "core/comparable_text.h"

#include <QList>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uspoof.h>
#include <unordered_map>

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

// The Latin letter a letter is named after when it only looks like one and has no
// decomposition to it: "LATIN LETTER SMALL CAPITAL A", "NEGATIVE SQUARED LATIN CAPITAL LETTER
// A"; 0 for every other character.
char32_t latinLetterNamed(char32_t c)
{
    std::array<char, 128> buffer;
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = u_charName(static_cast<UChar32>(c), U_UNICODE_CHAR_NAME, buffer.data(),
                                      static_cast<int32_t>(buffer.size()), &error);
    if (U_FAILURE(error) || length < 2 || length >= static_cast<int32_t>(buffer.size()))
        return 0;
    const std::string_view name(buffer.data(), static_cast<std::size_t>(length));
    const char letter = name.back();
    if (letter < 'A' || letter > 'Z')
        return 0;
    const std::string_view before = name.substr(0, name.size() - 1);
    for (const std::string_view kind :
         {"LATIN LETTER SMALL CAPITAL ", "LATIN CAPITAL LETTER ", "LATIN SMALL LETTER "}) {
        if (before.ends_with(kind))
            return static_cast<char32_t>(letter - 'A' + 'a');
    }
    return 0;
}

struct SpoofCheckerClose {
    void operator()(USpoofChecker* checker) const { uspoof_close(checker); }
};

// One character's skeleton, in comparable form. A checker that cannot be opened leaves the
// character as it is.
QString skeletonOf(char32_t c)
{
    static const std::unique_ptr<USpoofChecker, SpoofCheckerClose> checker = [] {
        UErrorCode error = U_ZERO_ERROR;
        USpoofChecker* opened = uspoof_open(&error);
        return std::unique_ptr<USpoofChecker, SpoofCheckerClose>(U_SUCCESS(error) ? opened
                                                                                  : nullptr);
    }();
    icu::UnicodeString skeleton(static_cast<UChar32>(c));
    if (checker) {
        UErrorCode error = U_ZERO_ERROR;
        icu::UnicodeString mapped;
        uspoof_getSkeletonUnicodeString(checker.get(), 0, skeleton, mapped, &error);
        if (U_SUCCESS(error))
            skeleton = mapped;
    }
    QString letters;
    for (int32_t at = 0; at < skeleton.length(); at = skeleton.moveIndex32(at, 1)) {
        const auto unit = static_cast<char32_t>(skeleton.char32At(at));
        const char32_t latin = latinLetterNamed(unit);
        const char32_t kept = latin ? latin : unit;
        letters += QString::fromUcs4(&kept, 1);
    }
    return comparableText(letters);
}

// The skeletons are looked up once per character and thread: titles and lists are mostly the
// same few letters.
const QString& cachedSkeletonOf(char32_t c)
{
    thread_local std::unordered_map<char32_t, QString> skeletons;
    const auto [found, added] = skeletons.try_emplace(c);
    if (added)
        found->second = skeletonOf(c);
    return found->second;
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

// Latin letters and digits stay themselves: the skeleton's "rn" for "m" would make an entry
// "porn" refuse "Pompeii".
QString skeletonText(const QString& text)
{
    const QString comparable = comparableText(text);
    if (isAscii(comparable))
        return comparable;
    QString skeleton;
    skeleton.reserve(comparable.size());
    for (const char32_t c : comparable.toUcs4()) {
        if (c < 0x80)
            skeleton += QChar(c);
        else
            skeleton += cachedSkeletonOf(c);
    }
    return skeleton;
}
