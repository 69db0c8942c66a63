#include "platform/real/ini_document.h"

#include "core/errors.h"
#include "platform/real/ini_line.h"
#include "platform/real/ini_text.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>

namespace {

const QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

QString translated(const char* text)
{
    return QCoreApplication::translate("IniDocument", text);
}

StoreError tooLarge()
{
    return StoreError(
        translated(QT_TRANSLATE_NOOP("IniDocument", "The settings would grow beyond %1 bytes, the "
                                                    "most a file may hold"))
            .arg(IniDocument::kMaxBytes));
}

char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// A name as it is looked up: an ASCII name is folded as it is read, any other once, up front.
QString lookupForm(const QString& name)
{
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? name : name.toCaseFolded();
}

QString foldedName(QByteArrayView spelled)
{
    return IniText::name(spelled).toCaseFolded();
}

// A hash of folded characters, seeded per run so that no file can be made to be slow to read.
class FoldedHash {
public:
    void add(char16_t c) { m_hash = (m_hash ^ lowerAscii(c)) * 0x100000001B3ull; }
    quint32 value() const
    {
        const quint64 mixed = (m_hash ^ (m_hash >> 32)) * 0xD6E8FEB86659FD93ull;
        return quint32(mixed ^ (mixed >> 32));
    }

private:
    static quint64 seed()
    {
        static const quint64 value = QRandomGenerator::system()->generate64();
        return value;
    }
    quint64 m_hash = 0xCBF29CE484222325ull ^ seed();
};

quint32 hashOf(QStringView lookup)
{
    FoldedHash hash;
    for (const QChar c : lookup)
        hash.add(c.unicode());
    return hash.value();
}

// The hash of a plain name's spelling, which is the name.
quint32 hashOf(QByteArrayView plain)
{
    FoldedHash hash;
    for (const char c : plain)
        hash.add(static_cast<unsigned char>(c));
    return hash.value();
}

bool sameFolded(QByteArrayView plain, QStringView lookup)
{
    return plain.size() == lookup.size() &&
           std::equal(plain.begin(), plain.end(), lookup.begin(), [](char a, QChar b) {
               return lowerAscii(static_cast<unsigned char>(a)) == lowerAscii(b.unicode());
           });
}

// QSettings' names for the keys outside every section.
QString headerName(QByteArrayView spelled)
{
    if (spelled.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (spelled.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(spelled.sliced(1));
    return IniText::name(spelled);
}

void appendHeader(QByteArray& out, const QString& name)
{
    out += '[';
    if (name.isEmpty())
        out += "General";
    else if (name.compare(u"general", Qt::CaseInsensitive) == 0)
        out += '%';
    IniText::appendName(out, name);
    out += "]\n";
}

// %1 in each is the line's number.
const char* problemText(IniLine::Problem problem)
{
    switch (problem) {
    case IniLine::Problem::OpenQuote:
        return QT_TRANSLATE_NOOP("IniDocument", "line %1 has a quote that is not closed");
    case IniLine::Problem::OpenBracket:
        return QT_TRANSLATE_NOOP("IniDocument", "line %1 has a section name without ']'");
    case IniLine::Problem::TextAfterBracket:
        return QT_TRANSLATE_NOOP("IniDocument", "line %1 has text after its section name");
    case IniLine::Problem::None:
        break;
    }
    return "";
}

} // namespace

struct IniDocument::Entry {
    quint32 keyStart;
    quint32 keyLength;
    quint32 valueStart;
    quint32 valueLength;
};

struct IniDocument::Section {
    QString name; // as first spelled
    std::vector<Entry> entries;
    IniKeyIndex index;
    // Keys are mostly read and written in the order of the file: the one after the last found
    // is tried first.
    mutable std::size_t lastFound = std::size_t(-1);
};

IniDocument::IniDocument() = default;
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;
IniDocument::~IniDocument() = default;

IniDocument::IniDocument(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (m_bytes.size() > kMaxBytes)
        throw tooLarge();
    read();
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const Section* found = findSection(section);
    if (!found)
        return std::nullopt;
    const qint64 entry = findKey(*found, lookupForm(key));
    if (entry < 0)
        return std::nullopt;
    return IniText::value(valueOf(found->entries[std::size_t(entry)]));
}

QList<std::pair<QString, QString>> IniDocument::keyValues(const QString& section) const
{
    QList<std::pair<QString, QString>> pairs;
    if (const Section* found = findSection(section)) {
        pairs.reserve(qsizetype(found->entries.size()));
        for (const Entry& entry : found->entries)
            pairs.emplace_back(IniText::name(keyOf(entry)), IniText::value(valueOf(entry)));
    }
    return pairs;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    Section& target = sectionNamed(section);
    const QString lookup = lookupForm(key);
    const qint64 found = findKey(target, lookup);
    const quint32 valueStart = appendValue(value);
    const auto valueLength = quint32(m_bytes.size() - valueStart);
    if (found >= 0) {
        Entry& entry = target.entries[std::size_t(found)];
        if (valueOf(entry) == QByteArrayView(m_bytes).sliced(valueStart)) {
            m_bytes.truncate(valueStart);
            return false;
        }
        entry.valueStart = valueStart;
        entry.valueLength = valueLength;
        return true;
    }
    const auto keyStart = quint32(m_bytes.size());
    IniText::appendName(m_bytes, key);
    if (m_bytes.size() > kMaxBytes) {
        m_bytes.truncate(valueStart);
        throw tooLarge();
    }
    target.entries.push_back(
        {keyStart, quint32(m_bytes.size() - keyStart), valueStart, valueLength});
    target.lastFound = target.entries.size() - 1;
    target.index.add(hashOf(lookup), quint32(target.lastFound));
    return true;
}

bool IniDocument::removeSection(const QString& section)
{
    Section* found = findSection(section);
    if (!found || found->entries.empty())
        return false;
    decltype(found->entries)().swap(found->entries);
    found->index.clear();
    return true;
}

QByteArray IniDocument::rewritten()
{
    // Spelled anew, a byte of a damaged file takes at most six: "%UFFFD" for an invalid one.
    constexpr qsizetype kMostGrowth = 6;
    if (!m_damage.isEmpty() && m_bytes.size() > kMaxBytes / kMostGrowth)
        throw StoreError(translated(QT_TRANSLATE_NOOP(
            "IniDocument", "The damaged settings file is too large to be repaired")));
    QByteArray out;
    out.reserve(m_bytes.size() + 64);
    for (const auto& section : m_sections) {
        if (section->entries.empty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        appendHeader(out, section->name);
        for (Entry& entry : section->entries)
            appendEntryTo(out, entry);
    }
    m_bytes = out;
    m_damage.clear();
    return out;
}

void IniDocument::read()
{
    const QByteArrayView bytes(m_bytes);
    const bool validUtf8 = bytes.isValidUtf8();
    const qsizetype lines = bytes.count('\n') + 1;
    Section* current = nullptr;
    qsizetype lineNumber = 0;
    for (qsizetype at = bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
         at < bytes.size(); ++lineNumber) {
        const IniLine line = IniLine::read(bytes, at);
        if (!validUtf8 && !bytes.sliced(at, line.next - at).isValidUtf8())
            noteDamage(QT_TRANSLATE_NOOP("IniDocument", "line %1 is not valid UTF-8"), at);
        if (line.problem != IniLine::Problem::None)
            noteDamage(problemText(line.problem), at);
        switch (line.kind) {
        case IniLine::Kind::Section:
            current =
                &sectionForHeader(headerName(bytes.sliced(line.nameStart, line.nameLength)), at);
            break;
        case IniLine::Kind::Setting:
            if (!current)
                current = &sectionNamed({});
            addRead(*current,
                    {quint32(line.nameStart), quint32(line.nameLength), quint32(line.valueStart),
                     quint32(line.valueLength)},
                    lines - lineNumber);
            break;
        case IniLine::Kind::Junk:
            noteDamage(QT_TRANSLATE_NOOP("IniDocument",
                                         "line %1 is neither a section, a setting nor a comment"),
                       at);
            break;
        case IniLine::Kind::Blank:
        case IniLine::Kind::Comment:
            break;
        }
        at = line.next;
    }
    for (const auto& section : m_sections)
        index(*section);
}

// A long section most likely runs to the end of the file: room for all the lines left is made
// once, rather than step by step. Room never used takes no memory.
void IniDocument::addRead(Section& section, const Entry& entry, qsizetype linesLeft)
{
    constexpr std::size_t kLongSection = 1024;
    auto& entries = section.entries;
    if (entries.size() == entries.capacity() && entries.size() >= kLongSection)
        entries.reserve(entries.size() + std::size_t(std::max<qsizetype>(linesLeft, 1)));
    entries.push_back(entry);
}

// Indexes the keys read. A key read twice keeps its first spelling and its last value. The
// slots of keys a few ahead are fetched while one is placed: the table is too large to be at
// hand.
void IniDocument::index(Section& section)
{
    constexpr std::size_t kAhead = 8;
    auto& entries = section.entries;
    section.index.reserve(qsizetype(entries.size()));
    quint32 ahead[kAhead];
    for (std::size_t i = 0; i < kAhead && i < entries.size(); ++i)
        ahead[i] = keyHash(entries[i]);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const quint32 hash = ahead[i % kAhead];
        if (i + kAhead < entries.size()) {
            ahead[i % kAhead] = keyHash(entries[i + kAhead]);
            section.index.prefetch(ahead[i % kAhead]);
        }
        const Entry entry = entries[i];
        const qint64 first =
            section.index.find(hash, [&](quint32 other) { return sameKey(entries[other], entry); });
        if (first >= 0) {
            entries[std::size_t(first)].valueStart = entry.valueStart;
            entries[std::size_t(first)].valueLength = entry.valueLength;
            continue;
        }
        entries[kept] = entry;
        section.index.add(hash, quint32(kept++));
    }
    entries.resize(kept);
}

// Two spellings of one section name are one section.
IniDocument::Section& IniDocument::sectionForHeader(const QString& name, qsizetype at)
{
    Section& section = sectionNamed(name);
    if (section.name != name && m_damage.isEmpty())
        m_damage =
            translated(QT_TRANSLATE_NOOP("IniDocument", "line %1 names section [%2], which is also "
                                                        "spelled [%3]"))
                .arg(lineNumber(at), name, section.name);
    return section;
}

IniDocument::Section& IniDocument::sectionNamed(const QString& name)
{
    Section* found = findSection(name);
    if (!found) {
        m_sections.push_back(std::make_unique<Section>());
        found = m_sections.back().get();
        found->name = name;
        m_byFoldedName.insert(name.toCaseFolded(), found);
    } else if (found->entries.empty()) {
        found->name = name; // a section emptied is spelled anew
    }
    return *found;
}

IniDocument::Section* IniDocument::findSection(const QString& name) const
{
    if (m_lastSection && name == m_lastName)
        return m_lastSection;
    Section* found = m_byFoldedName.value(name.toCaseFolded());
    if (found) {
        m_lastName = name;
        m_lastSection = found;
    }
    return found;
}

qint64 IniDocument::findKey(const Section& section, const QString& lookup) const
{
    const std::size_t next = section.lastFound + 1;
    if (next < section.entries.size() && keyMatches(section.entries[next], lookup))
        return qint64(section.lastFound = next);
    const qint64 found = section.index.find(
        hashOf(lookup), [&](quint32 entry) { return keyMatches(section.entries[entry], lookup); });
    if (found >= 0)
        section.lastFound = std::size_t(found);
    return found;
}

bool IniDocument::keyMatches(const Entry& entry, QStringView lookup) const
{
    const QByteArrayView key = keyOf(entry);
    if (IniText::isPlainName(key))
        return sameFolded(key, lookup);
    const QString folded = foldedName(key);
    return folded.size() == lookup.size() &&
           std::equal(folded.begin(), folded.end(), lookup.begin(),
                      [](QChar a, QChar b) { return a.unicode() == lowerAscii(b.unicode()); });
}

bool IniDocument::sameKey(const Entry& a, const Entry& b) const
{
    const QByteArrayView keyA = keyOf(a);
    const QByteArrayView keyB = keyOf(b);
    if (IniText::isPlainName(keyA) && IniText::isPlainName(keyB))
        return keyA.compare(keyB, Qt::CaseInsensitive) == 0;
    return foldedName(keyA) == foldedName(keyB);
}

quint32 IniDocument::keyHash(const Entry& entry) const
{
    const QByteArrayView key = keyOf(entry);
    return IniText::isPlainName(key) ? hashOf(key) : hashOf(foldedName(key));
}

QByteArrayView IniDocument::keyOf(const Entry& entry) const
{
    return QByteArrayView(m_bytes).sliced(entry.keyStart, entry.keyLength);
}

QByteArrayView IniDocument::valueOf(const Entry& entry) const
{
    return QByteArrayView(m_bytes).sliced(entry.valueStart, entry.valueLength);
}

// Only the first damage is told; what names it with %1 for the line's number.
void IniDocument::noteDamage(const char* what, qsizetype at)
{
    if (m_damage.isEmpty())
        m_damage = translated(what).arg(lineNumber(at));
}

QString IniDocument::lineNumber(qsizetype at) const
{
    return QString::number(QByteArrayView(m_bytes).first(at).count('\n') + 1);
}

// Spells the value at the end of the bytes; returns where it starts.
quint32 IniDocument::appendValue(const QString& value)
{
    const qsizetype start = m_bytes.size();
    IniText::appendValue(m_bytes, value);
    if (m_bytes.size() > kMaxBytes) {
        m_bytes.truncate(start);
        throw tooLarge();
    }
    return quint32(start);
}

// A sound document's spellings are copied; a damaged one's are spelled anew from what they
// read as, so that the file comes out sound. So is a key ending in a backslash, read from a
// line where a blank followed it: before the '=', the backslash would escape that.
void IniDocument::appendEntryTo(QByteArray& out, Entry& entry) const
{
    const QByteArrayView key = keyOf(entry);
    const QByteArrayView value = valueOf(entry);
    entry.keyStart = quint32(out.size());
    if (m_damage.isEmpty() && !key.endsWith('\\'))
        out += key;
    else
        IniText::appendName(out, IniText::name(key));
    entry.keyLength = quint32(out.size()) - entry.keyStart;
    out += '=';
    entry.valueStart = quint32(out.size());
    if (m_damage.isEmpty())
        out += value;
    else
        IniText::appendValue(out, IniText::value(value));
    entry.valueLength = quint32(out.size()) - entry.valueStart;
    out += '\n';
}
