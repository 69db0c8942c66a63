#pragma once

// The visited pages as the address box's completion searches them: all of them in memory, their
// addresses and titles folded for matching once, so that a keystroke never waits for the disk.
// A keystroke that adds to the text before it searches only the pages that text matched.

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <vector>

struct HistoryPage {
    QString address;
    QString title;
    int visitCount = 0;
    qint64 lastVisit = 0; // seconds since 1970, UTC
};

class HistoryIndex {
public:
    // The address as history keeps it: without a user name and password.
    static QString storedAddress(const QUrl& url);
    // How much a page is worth offering: each visit counts, half as much for every 30 days past.
    static double score(const HistoryPage& page, qint64 now);
    // The same order at any time: log2 of the score, plus now / 30 days.
    static double rank(const HistoryPage& page);
    // Whether the typed text starts a word of the address or of the title, letter case ignored.
    // The address's words start at its beginning, after its scheme, after "www." and after
    // every character that is no letter or digit.
    static bool matches(const HistoryPage& page, const QString& typed);

    void clear();
    // Adds the page, or replaces the one with its address.
    void put(const HistoryPage& page);
    void remove(const QString& address);
    // The page with that address, none when it is not in history.
    const HistoryPage* page(const QString& address) const;
    qsizetype size() const { return m_entries.size(); }
    // The pages the typed text matches, best first (by score); at most limit of them.
    QList<HistoryPage> completions(const QString& typed, int limit) const;

private:
    // The keys of all pages lie in one string, which a search reads from start to end.
    struct Entry {
        HistoryPage page;
        qsizetype keyStart = 0; // in m_keys: the address, a line break and the title, folded
        qsizetype keyLength = 0;
        qsizetype hostStart = 0; // within the key
        double rank = 0;
    };
    Entry entryFor(const HistoryPage& page);
    bool matchesEntry(const Entry& entry, QStringView typed) const;
    void dropKey(const Entry& entry);
    void changed();

    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_rows; // address -> row in m_entries
    QString m_keys;
    qsizetype m_unusedKeys = 0; // characters of m_keys no entry uses any more
    // The last text searched and the rows it matched, while no page has changed since.
    mutable QString m_lastKey;
    mutable std::vector<qsizetype> m_lastRows;
};
