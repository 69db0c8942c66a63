#pragma once

// The parental restriction list: the words and phrases a page title of the full-screen window
// must not hold, read from the settings store, and the test of a title against them.

#include "core/substring_matcher.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class SettingsStore;

namespace Restrictions {

inline const QString kSection = QStringLiteral("Restrictions");
inline const QString kCountKey = QStringLiteral("Number");
// "Number" when absent: no list at all.
inline const QString kNoList = QStringLiteral("-1");

// The entries in key order ("0" first), duplicates and empty values included. "Number" is read
// leniently; the keys from "0" up to that count minus 1 are the entries. Keys missing inside
// that range are held together as one empty entry, at the place of the first one missing, so
// that a damaged list still refuses every page and even a count of a billion reads at once.
QStringList read(const SettingsStore& store);
// The same, from the count stored and the keys of the list's section with their values.
using StoredKeys = QList<std::pair<QString, QString>>;
QStringList entriesOf(const QString& number, const StoredKeys& stored);

// The entries of a list file: one a line, in UTF-8, blanks around it dropped; blank lines and
// lines that begin with "#" are left out. None when the bytes are not UTF-8 text.
std::optional<QStringList> entriesOfListFile(QByteArrayView bytes);

// The key of the entry at a position of a list written whole.
QString entryKey(qsizetype position);
// Whether a key of the section belongs to the list's layout: "Number", or a counter in decimal.
bool isListKey(const QString& key);

} // namespace Restrictions

class RestrictionList {
public:
    RestrictionList() = default;
    explicit RestrictionList(const QStringList& entries);

    const QStringList& entries() const { return m_entries; }

    // The positions of the entries that occur in the title, in list order, one for every
    // matching entry, both compared in their skeleton form (look-alike spellings, also of other
    // scripts, are the same); there are no word boundaries. An empty entry occurs in every title
    // but the empty one.
    QList<qsizetype> matches(const QString& title) const;

private:
    QStringList m_entries;
    SubstringMatcher m_matcher;
    QList<qsizetype> m_emptyEntries; // those that are empty in their skeleton form
};
