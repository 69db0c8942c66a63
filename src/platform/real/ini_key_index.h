#pragma once

// The keys of a section by the hash of their spelling with letter case folded: a table of entry
// numbers, found by probing from the hash's slot.

#include "platform/real/ini_huge_page_allocator.h"

#include <QtGlobal>

#include <vector>

class IniKeyIndex {
public:
    // The entry with this hash that matches; -1 when there is none.
    template <class Matches> qint64 find(quint32 hash, Matches&& matches) const;
    // Adds an entry that find() did not find.
    void add(quint32 hash, quint32 entry);
    // Starts fetching the slot a hash leads to, so that a find() soon after does not wait on
    // memory.
    void prefetch(quint32 hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    }
    // Makes room for so many entries, so that adding them moves none.
    void reserve(qsizetype entries);
    void clear();

private:
    struct Slot {
        quint32 hash = 0;
        quint32 entry = kFree;
    };
    static constexpr quint32 kFree = 0xFFFFFFFF;

    void place(Slot slot);

    std::vector<Slot, IniHugePageAllocator<Slot>>
        m_slots; // a power of two of them, never more than half in use
    qsizetype m_used = 0;
};

template <class Matches> qint64 IniKeyIndex::find(quint32 hash, Matches&& matches) const
{
    if (m_slots.empty())
        return -1;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (slot.entry == kFree)
            return -1;
        if (slot.hash == hash && matches(slot.entry))
            return slot.entry;
    }
}
