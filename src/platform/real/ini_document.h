#pragma once

// One settings file in memory: its bytes, and per section the places of its keys and values in
// them, found by name with letter case ignored (Unicode case folding). Values are read from
// their spelling only when asked for; new values are spelled at the end of the bytes.

#include "platform/real/ini_key_index.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class IniDocument {
public:
    // The most a settings file may hold: places in the bytes are kept in 32 bits.
    static constexpr qsizetype kMaxBytes = qsizetype(1) << 30;

    IniDocument();
    // Reads a file's bytes, whatever they hold; raises StoreError beyond kMaxBytes.
    explicit IniDocument(QByteArray bytes);
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;
    ~IniDocument();

    // Why the file would not read back as it stands once it is rewritten; empty when it would.
    const QString& damage() const { return m_damage; }

    std::optional<QString> value(const QString& section, const QString& key) const;
    QList<std::pair<QString, QString>> keyValues(const QString& section) const;

    // False when the key holds that value already. Raises StoreError beyond kMaxBytes.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // False when the section holds no key.
    bool removeSection(const QString& section);

    // The bytes to save: each section once, with its keys, in the order first read or written.
    // The document then holds these bytes, and is sound. Raises StoreError for a damaged file
    // whose repair could grow beyond kMaxBytes.
    QByteArray rewritten();

private:
    struct Entry;
    struct Section;

    void read();
    void addRead(Section& section, const Entry& entry, qsizetype linesLeft);
    void index(Section& section);
    Section& sectionForHeader(const QString& name, qsizetype at);
    Section& sectionNamed(const QString& name);
    Section* findSection(const QString& name) const;
    qint64 findKey(const Section& section, const QString& lookup) const;
    bool keyMatches(const Entry& entry, QStringView lookup) const;
    bool sameKey(const Entry& a, const Entry& b) const;
    quint32 keyHash(const Entry& entry) const;
    QByteArrayView keyOf(const Entry& entry) const;
    QByteArrayView valueOf(const Entry& entry) const;
    void noteDamage(const char* what, qsizetype at);
    QString lineNumber(qsizetype at) const;
    quint32 appendValue(const QString& value);
    void appendEntryTo(QByteArray& out, Entry& entry) const;

    QByteArray m_bytes;
    std::vector<std::unique_ptr<Section>> m_sections; // in file order
    QHash<QString, Section*> m_byFoldedName;
    QString m_damage;
    // Reads come in runs from one section, which is then found once.
    mutable QString m_lastName;
    mutable Section* m_lastSection = nullptr;
};
