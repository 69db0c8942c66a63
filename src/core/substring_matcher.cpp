#include "core/substring_matcher.h"

#include <algorithm>
#include <ranges>
#include <unordered_set>

// The words in code unit order, with where each came from; the runs of the nodes are copied
// from them.
struct SubstringMatcher::SortedWords {
    struct Word {
        quint64 key; // the first four code units, so that most comparisons read no text
        std::u16string_view units;
        qsizetype position;
        auto operator<=>(const Word&) const = default;
    };
    std::vector<Word> words;
    std::size_t allUnits = 0; // the code units of all the words

    explicit SortedWords(const QStringList& list)
    {
        words.reserve(static_cast<std::size_t>(list.size()));
        for (qsizetype position = 0; position < list.size(); ++position) {
            const QString& word = list[position];
            const std::u16string_view text(reinterpret_cast<const char16_t*>(word.utf16()),
                                           static_cast<std::size_t>(word.size()));
            words.push_back({keyOf(text), text, position});
            allUnits += text.size();
        }
        std::sort(words.begin(), words.end());
    }

    // Shorter words have zeros for the units they lack, which keeps the order of the words.
    static quint64 keyOf(std::u16string_view units)
    {
        quint64 key = 0;
        for (std::size_t at = 0; at < 4; ++at)
            key = key << 16 | (at < units.size() ? units[at] : 0);
        return key;
    }

    const Word& operator[](int word) const { return words[static_cast<std::size_t>(word)]; }
    std::size_t length(int word) const { return (*this)[word].units.size(); }
    // The first code units come from the key: splitting the words near the root, where they
    // branch the most, then reads no text.
    char16_t unit(int word, std::size_t at) const
    {
        const Word& sorted = (*this)[word];
        return at < 4 ? static_cast<char16_t>(sorted.key >> (48 - 16 * at)) : sorted.units[at];
    }

    // Where the words from the first on stop having its code unit at a depth they all reach.
    int sameUnitEnd(int first, int last, std::size_t depth) const
    {
        const char16_t head = unit(first, depth);
        const auto range = std::views::iota(first, last);
        const auto end = std::ranges::partition_point(
            range, [&](int word) { return unit(word, depth) == head; });
        return first + static_cast<int>(end - range.begin());
    }

    // How many code units two words share, knowing that they share the first `from`.
    std::size_t sharedLength(int one, int other, std::size_t from) const
    {
        const std::u16string_view a = (*this)[one].units.substr(from);
        const std::u16string_view b = (*this)[other].units.substr(from);
        return from + static_cast<std::size_t>(
                          std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    }
};

// The sorted words that begin with a node's text, and the length of that text.
struct SubstringMatcher::Cover {
    int first;
    int last;
    std::size_t depth;
};

SubstringMatcher::SubstringMatcher(const QStringList& words)
{
    const SortedWords sorted(words);
    // Every node but the root ends a word or branches: no more than twice as many as the words.
    const std::size_t most = 2 * static_cast<std::size_t>(words.size()) + 2;
    m_nodes.reserve(most);
    m_heads.reserve(most);
    m_units.reserve(sorted.allUnits);
    m_wordsHere.reserve(static_cast<std::size_t>(words.size()));
    std::vector<Cover> covers; // by node
    covers.reserve(most);
    m_nodes.push_back(Node());
    m_heads.push_back(0);
    covers.push_back({0, static_cast<int>(words.size()), 0});
    // Breadth first: the nodes added behind the one branched are its children.
    for (std::size_t node = 0; node < m_nodes.size(); ++node)
        branch(node, covers[node], sorted, covers);
    Node closing;
    closing.firstChild = static_cast<int>(m_nodes.size());
    closing.firstWord = static_cast<int>(m_wordsHere.size());
    closing.runStart = static_cast<int>(m_units.size());
    m_nodes.push_back(closing);
}

// The words ending at a node, and its children: one for each code unit that follows the node's
// text in its words, reaching as deep as all the words going that way agree.
void SubstringMatcher::branch(std::size_t node, Cover cover, const SortedWords& sorted,
                              std::vector<Cover>& covers)
{
    int at = cover.first;
    m_nodes[node].firstWord = static_cast<int>(m_wordsHere.size());
    // Words as long as the node's text end here; the shorter sort first.
    for (; at < cover.last && sorted.length(at) == cover.depth; ++at)
        m_wordsHere.push_back(sorted[at].position);
    m_nodes[node].firstChild = static_cast<int>(m_nodes.size());
    while (at < cover.last) {
        const int end = sorted.sameUnitEnd(at, cover.last, cover.depth);
        // Sorted, the first and the last of these words share what they all share.
        const std::size_t depth = sorted.sharedLength(at, end - 1, cover.depth + 1);
        Node next;
        next.runStart = static_cast<int>(m_units.size());
        m_nodes.push_back(next);
        m_heads.push_back(sorted.unit(at, cover.depth));
        m_units += sorted[at].units.substr(cover.depth + 1, depth - cover.depth - 1);
        covers.push_back({at, end, depth});
        at = end;
    }
}

int SubstringMatcher::wordsAt(int node) const
{
    const auto at = static_cast<std::size_t>(node);
    return m_nodes[at + 1].firstWord - m_nodes[at].firstWord;
}

std::u16string_view SubstringMatcher::runOf(int node) const
{
    const auto at = static_cast<std::size_t>(node);
    const auto start = static_cast<std::size_t>(m_nodes[at].runStart);
    return std::u16string_view(m_units).substr(
        start, static_cast<std::size_t>(m_nodes[at + 1].runStart) - start);
}

// A binary search whose steps choose without branching: searched from every position of a text,
// the children of the top nodes would mispredict most branches.
int SubstringMatcher::child(int node, char16_t unit) const
{
    const auto at = static_cast<std::size_t>(node);
    const char16_t* first = m_heads.data() + m_nodes[at].firstChild;
    auto count = static_cast<std::size_t>(m_nodes[at + 1].firstChild - m_nodes[at].firstChild);
    if (count == 0)
        return -1;
    // The unit, if there, lies among the `count` heads from the first.
    while (count > 1) {
        const std::size_t half = count / 2;
        first = first[half] <= unit ? first + half : first;
        count -= half;
    }
    return *first == unit ? static_cast<int>(first - m_heads.data()) : -1;
}

// The child whose head and run begin the rest of the text, which then loses them; -1 for none.
int SubstringMatcher::deeper(int node, std::u16string_view& rest) const
{
    const int next = rest.empty() ? -1 : child(node, rest.front());
    if (next < 0 || !rest.substr(1).starts_with(runOf(next)))
        return -1;
    rest.remove_prefix(1 + runOf(next).size());
    return next;
}

QList<qsizetype> SubstringMatcher::find(const QString& text) const
{
    if (text.isEmpty() || m_nodes.empty())
        return {};
    std::vector<qsizetype> found;
    // A node reached from several places of the text gives its words once.
    std::unordered_set<int> seen;
    const auto collect = [this, &found, &seen](int node) {
        if (wordsAt(node) == 0 || !seen.insert(node).second)
            return;
        const auto first = m_wordsHere.begin() + m_nodes[static_cast<std::size_t>(node)].firstWord;
        found.insert(found.end(), first, first + wordsAt(node));
    };
    collect(0); // empty words
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    for (std::size_t start = 0; start < units.size(); ++start) {
        std::u16string_view rest = units.substr(start);
        for (int node = deeper(0, rest); node > 0; node = deeper(node, rest))
            collect(node);
    }
    std::sort(found.begin(), found.end());
    return QList<qsizetype>(found.begin(), found.end());
}
