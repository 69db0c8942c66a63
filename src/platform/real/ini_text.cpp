#include "platform/real/ini_text.h"

#include <QDataStream>
#include <QStringList>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <optional>
#include <utility>

namespace IniText {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The value of a digit in the base; -1 for any other character.
int digitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

bool isNameCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-' || c == u'.';
}

// The character written as exactly these hexadecimal digits; none when they are not that.
std::optional<char16_t> hexCode(QStringView digits, qsizetype count)
{
    if (digits.size() < count)
        return std::nullopt;
    char16_t code = 0;
    for (const QChar c : digits.first(count)) {
        const int digit = digitValue(c.unicode(), 16);
        if (digit < 0)
            return std::nullopt;
        code = char16_t(code * 16 + digit);
    }
    return code;
}

// ---- Writing values

// Characters written as they are, outside quotes.
bool isPlainCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x20 && u < 0x7F && u != u'"' && u != u'\\' && u != u';' && u != u',' && u != u'=';
}

void appendHexEscape(QByteArray& out, char16_t c)
{
    out += "\\x";
    out += QByteArray::number(c, 16);
}

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
    }
    out += char(0x80 | (c & 0x3F));
}

// Writes each character as QSettings does; true when the text must be put in quotes.
bool appendEscapedCharacters(QByteArray& out, QStringView text)
{
    // The letters of the escapes of the control characters 0 to 13; 0 where there is none.
    static constexpr char kControlLetters[] = "\0\0\0\0\0\0\0abtnvfr";
    bool quotes = false;
    bool hexFollows = false; // a hexadecimal digit here would lengthen the escape before it
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        quotes = quotes || c == u';' || c == u',' || c == u'=';
        if (hexFollows && digitValue(c, 16) >= 0) {
            appendHexEscape(out, c);
            continue;
        }
        hexFollows = false;
        if (c == 0) {
            out += "\\0";
            hexFollows = true;
        } else if (c < 14 && kControlLetters[c]) {
            out += '\\';
            out += kControlLetters[c];
        } else if (c == u'"' || c == u'\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            appendHexEscape(out, c);
            hexFollows = true;
        } else if (c < 0x80) {
            out += char(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) { // half a pair, which UTF-8 cannot hold
            appendHexEscape(out, c);
            hexFollows = true;
        } else {
            appendUtf8(out, c);
        }
    }
    return quotes;
}

void appendEscaped(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    bool quotes = false;
    if (std::all_of(text.begin(), text.end(), isPlainCharacter)) {
        out.resize(start + text.size());
        std::transform(text.begin(), text.end(), out.data() + start,
                       [](QChar c) { return char(c.unicode()); });
    } else {
        quotes = appendEscapedCharacters(out, text);
    }
    if (quotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// ---- Reading values

qsizetype skipBlanks(QByteArrayView s, qsizetype i)
{
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return i;
}

// Reads the digits of a numeric escape; returns where reading goes on.
qsizetype readNumber(QByteArrayView s, qsizetype i, int base, QString& item)
{
    char16_t code = 0;
    for (int digit; i < s.size() && (digit = digitValue(uchar(s[i]), base)) >= 0; ++i)
        code = char16_t(code * base + digit);
    item += QChar(code);
    return i;
}

// Reads the escape after a backslash; returns where reading goes on.
qsizetype readEscape(QByteArrayView s, qsizetype i, QString& item)
{
    static constexpr std::pair<char, char> kEscapes[] = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    if (i >= s.size())
        return i;
    const char c = s[i++];
    for (const auto& [letter, meaning] : kEscapes) {
        if (c == letter) {
            item += QLatin1Char(meaning);
            return i;
        }
    }
    if (c == 'x')
        return i < s.size() && digitValue(uchar(s[i]), 16) >= 0 ? readNumber(s, i, 16, item) : i;
    if (digitValue(uchar(c), 8) >= 0)
        return readNumber(s, i - 1, 8, item);
    const bool lineBreak = c == '\n' || c == '\r';
    if (lineBreak && i < s.size() && (s[i] == '\n' || s[i] == '\r') && s[i] != c)
        ++i;
    return i; // a line continued, or a character that escapes nothing: both are dropped
}

// The items of a value: one, or several where unquoted commas part them.
QStringList items(QByteArrayView s)
{
    QStringList items;
    QString item;
    bool quoted = false; // the item has quotes, so blanks at its end are its own
    bool inQuotes = false;
    qsizetype kept = 0; // blanks at the end are dropped only after this many characters
    const auto endItem = [&] {
        while (!quoted && item.size() > kept && (item.back() == u' ' || item.back() == u'\t'))
            item.chop(1);
        items.append(item);
    };
    for (qsizetype i = skipBlanks(s, 0); i < s.size();) {
        const char c = s[i];
        if (c == '\\') {
            i = readEscape(s, i + 1, item);
            kept = item.size();
        } else if (c == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            i = inQuotes ? i + 1 : skipBlanks(s, i + 1);
        } else if (c == ',' && !inQuotes) {
            endItem();
            item.clear();
            quoted = false;
            kept = 0;
            i = skipBlanks(s, i + 1);
        } else {
            qsizetype end = i + 1;
            while (end < s.size() && s[end] != '\\' && s[end] != '"' && s[end] != ',')
                ++end;
            item += QString::fromUtf8(s.sliced(i, end - i));
            i = end;
        }
    }
    endItem();
    return items;
}

// A value QSettings kept in binary form. Only types whose reading is bounded by the bytes at
// hand are read: a damaged count in a list could ask for gigabytes.
QString variantText(QStringView payload, QDataStream::Version version)
{
    static constexpr quint32 kBounded[] = {
        QMetaType::Bool,       QMetaType::Int,    QMetaType::UInt,  QMetaType::LongLong,
        QMetaType::ULongLong,  QMetaType::Double, QMetaType::QChar, QMetaType::QString,
        QMetaType::QByteArray, QMetaType::QDate,  QMetaType::QTime, QMetaType::QDateTime,
        QMetaType::QUrl};
    const QByteArray bytes = payload.toLatin1();
    if (bytes.size() < 4 ||
        std::find(std::begin(kBounded), std::end(kBounded),
                  qFromBigEndian<quint32>(bytes.constData())) == std::end(kBounded))
        return {};
    QDataStream stream(bytes);
    stream.setVersion(version);
    QVariant variant;
    stream >> variant;
    return variant.toString();
}

// QSettings' forms for rectangles, sizes and points, with their numbers of arguments.
bool isGeometry(QStringView item)
{
    static constexpr std::pair<const char16_t*, qsizetype> kForms[] = {
        {u"@Rect(", 4}, {u"@Size(", 2}, {u"@Point(", 2}};
    for (const auto& [form, count] : kForms) {
        const QStringView prefix(form);
        if (item.startsWith(prefix)) {
            const QStringView arguments = item.sliced(prefix.size());
            return arguments.count(u' ') + arguments.count(u')') == count;
        }
    }
    return false;
}

// The text of an item in QSettings' forms for values other than text.
QString typedText(const QString& item)
{
    if (!item.startsWith(u'@'))
        return item;
    if (item.endsWith(u')')) {
        const auto inside = [&](qsizetype from) {
            return QStringView(item).sliced(from).chopped(1);
        };
        if (item.startsWith(u"@ByteArray("))
            return QString::fromUtf8(inside(11).toLatin1());
        if (item.startsWith(u"@String("))
            return inside(8).toString();
        if (item.startsWith(u"@Variant("))
            return variantText(inside(9), QDataStream::Qt_4_0);
        if (item.startsWith(u"@DateTime("))
            return variantText(inside(10), QDataStream::Qt_5_6);
        if (item == QStringView(u"@Invalid()") || isGeometry(item))
            return {};
    }
    return item.startsWith(u"@@") ? item.sliced(1) : item;
}

// Spellings with none of these read as they stand.
bool isPlainValue(QByteArrayView s)
{
    if (s.isEmpty())
        return true;
    if (isBlank(s.front()) || isBlank(s.back()) || s.front() == '@')
        return false;
    return std::none_of(s.begin(), s.end(),
                        [](char c) { return c == '\\' || c == '"' || c == ','; });
}

} // namespace

void appendName(QByteArray& out, QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c == u'/' && i + 1 < name.size()) { // at the end, '\' would escape the '=' after it
            out += '\\';
        } else if (isNameCharacter(c)) {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHexDigits[(c >> shift) & 0xF];
        }
    }
}

bool isPlainName(QByteArrayView spelled)
{
    return std::none_of(spelled.begin(), spelled.end(),
                        [](char c) { return uchar(c) >= 0x80 || c == '%' || c == '\\'; });
}

QString name(QByteArrayView spelled)
{
    if (isPlainName(spelled))
        return QString::fromLatin1(spelled);
    const QString text = QString::fromUtf8(spelled);
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c == u'%') {
            const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype count = wide ? 4 : 2;
            if (const auto code = hexCode(QStringView(text).sliced(first), count)) {
                result += QChar(*code);
                i = first + count;
                continue;
            }
        }
        result += c;
        ++i;
    }
    return result;
}

void appendValue(QByteArray& out, QStringView value)
{
    if (!value.contains(QChar::Null) && !value.startsWith(u'@')) {
        appendEscaped(out, value);
        return;
    }
    QString marked;
    if (value.contains(QChar::Null))
        marked.append(u"@String(").append(value).append(u')');
    else
        marked.append(u'@').append(value);
    appendEscaped(out, marked);
}

QString value(QByteArrayView spelled)
{
    if (isPlainValue(spelled))
        return QString::fromUtf8(spelled);
    const QStringList all = items(spelled);
    if (all.size() == 1)
        return typedText(all.first());
    QStringList texts;
    texts.reserve(all.size());
    for (const QString& item : all)
        texts.append(typedText(item));
    return texts.join(QStringLiteral(", "));
}

} // namespace IniText
