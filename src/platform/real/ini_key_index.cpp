#include "platform/real/ini_key_index.h"

#include <algorithm>
#include <bit>

void IniKeyIndex::add(quint32 hash, quint32 entry)
{
    reserve(m_used + 1);
    place({hash, entry});
    ++m_used;
}

void IniKeyIndex::reserve(qsizetype entries)
{
    const std::size_t wanted = std::bit_ceil(std::size_t(entries) * 2);
    if (wanted <= m_slots.size())
        return;
    decltype(m_slots) old(std::max<std::size_t>(wanted, 16));
    old.swap(m_slots);
    for (const Slot& slot : old) {
        if (slot.entry != kFree)
            place(slot);
    }
}

void IniKeyIndex::clear()
{
    decltype(m_slots)().swap(m_slots);
    m_used = 0;
}

void IniKeyIndex::place(Slot slot)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = slot.hash & mask;
    while (m_slots[at].entry != kFree)
        at = (at + 1) & mask;
    m_slots[at] = slot;
}
