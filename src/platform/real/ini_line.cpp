#include "platform/real/ini_line.h"

#include <array>

namespace {

// The bytes that matter in a line: line breaks, quotes, ';', '=' and the backslash.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (const char c : {'\n', '\r', '"', ';', '=', '\\'})
        special[static_cast<unsigned char>(c)] = true;
    return special;
}();

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

qsizetype lineEnd(QByteArrayView bytes, qsizetype from)
{
    while (from < bytes.size() && !isLineBreak(bytes[from]))
        ++from;
    return from;
}

// Sets start and length to the bytes from..to without the spaces around them.
void trim(QByteArrayView bytes, qsizetype from, qsizetype to, qsizetype& start, qsizetype& length)
{
    while (from < to && isSpace(bytes[from]))
        ++from;
    while (to > from && isSpace(bytes[to - 1]))
        --to;
    start = from;
    length = to - from;
}

// The line's content ends at its first unquoted ';' (a comment follows) or its end; the first
// unquoted '=' parts key and value.
struct Scan {
    qsizetype contentEnd = -1;
    qsizetype end = 0; // the line break, or the end of the bytes
    qsizetype equals = -1;
    bool openQuote = false;
};

Scan scan(QByteArrayView bytes, qsizetype from)
{
    Scan result;
    qsizetype at = from;
    while (at < bytes.size()) {
        const char c = bytes[at];
        if (!kSpecial[static_cast<unsigned char>(c)]) {
            ++at;
        } else if (isLineBreak(c)) {
            break;
        } else if (c == '\\') {
            at += at + 1 < bytes.size() && !isLineBreak(bytes[at + 1]) ? 2 : 1;
        } else if (c == '"') {
            result.openQuote = !result.openQuote;
            ++at;
        } else if (result.openQuote) {
            ++at;
        } else if (c == ';') {
            result.contentEnd = at;
            at = lineEnd(bytes, at);
            break;
        } else {
            if (result.equals < 0)
                result.equals = at;
            ++at;
        }
    }
    result.end = at;
    if (result.contentEnd < 0)
        result.contentEnd = at;
    return result;
}

} // namespace

IniLine IniLine::read(QByteArrayView bytes, qsizetype from)
{
    IniLine line;
    qsizetype start = from;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t'))
        ++start;
    if (start < bytes.size() && (bytes[start] == ';' || bytes[start] == '#')) {
        line.kind = Kind::Comment;
        const qsizetype end = lineEnd(bytes, start);
        line.next = end < bytes.size() ? end + 1 : end;
        return line;
    }
    const Scan found = scan(bytes, start);
    line.next = found.end < bytes.size() ? found.end + 1 : found.end;
    if (found.openQuote)
        line.problem = Problem::OpenQuote;
    if (start == found.contentEnd) {
        line.kind = Kind::Blank;
    } else if (bytes[start] == '[') {
        line.kind = Kind::Section;
        const QByteArrayView content = bytes.sliced(start, found.contentEnd - start);
        qsizetype close = content.indexOf(']');
        if (close < 0) {
            line.problem = Problem::OpenBracket;
            close = content.size();
        } else if (!content.sliced(close + 1).trimmed().isEmpty()) {
            line.problem = Problem::TextAfterBracket;
        }
        trim(bytes, start + 1, start + close, line.nameStart, line.nameLength);
    } else if (found.equals >= 0) {
        line.kind = Kind::Setting;
        trim(bytes, start, found.equals, line.nameStart, line.nameLength);
        line.valueStart = found.equals + 1;
        line.valueLength = found.contentEnd - line.valueStart;
    } else {
        line.kind = Kind::Junk;
    }
    return line;
}
