#pragma once

// The visited pages as the address box's completion searches them: all of them in memory, their
// addresses and titles folded for matching once, so that a keystroke never waits for the disk.

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

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
    // The pages the typed text matches, best first; at most limit of them.
    QList<HistoryPage> completions(const QString& typed, qint64 now, int limit) const;

private:
    struct Entry {
        HistoryPage page;
        QString addressKey; // folded
        QString titleKey;   // folded
        qsizetype hostStart = 0;
    };
    static Entry entryFor(const HistoryPage& page);
    static bool matchesEntry(const Entry& entry, QStringView typed);

    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_rows; // address -> row in m_entries
};
