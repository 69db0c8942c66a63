#include "core/substring_matcher.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

// The words side by side in one buffer, sorted, with where each came from: scanning them level
// by level then reads memory in order.
struct SortedWords {
    std::u16string units;
    std::vector<std::size_t> starts; // of each sorted word, and one past the last
    std::vector<qsizetype> positions;

    explicit SortedWords(const QStringList& words)
    {
        std::vector<std::pair<std::u16string_view, qsizetype>> sorted;
        sorted.reserve(static_cast<std::size_t>(words.size()));
        for (qsizetype position = 0; position < words.size(); ++position) {
            const QString& word = words[position];
            sorted.emplace_back(std::u16string_view(reinterpret_cast<const char16_t*>(word.utf16()),
                                                    static_cast<std::size_t>(word.size())),
                                position);
        }
        std::sort(sorted.begin(), sorted.end());
        starts.reserve(sorted.size() + 1);
        positions.reserve(sorted.size());
        for (const auto& [word, position] : sorted) {
            starts.push_back(units.size());
            units += word;
            positions.push_back(position);
        }
        starts.push_back(units.size());
    }

    std::size_t length(int word) const { return starts[index(word) + 1] - starts[index(word)]; }
    char16_t unit(int word, std::size_t at) const { return units[starts[index(word)] + at]; }
    static std::size_t index(int word) { return static_cast<std::size_t>(word); }
};

} // namespace

SubstringMatcher::SubstringMatcher(const QStringList& words)
{
    const SortedWords sorted(words);
    // No more nodes than code units, the root and the closing node.
    const std::size_t most = sorted.units.size() + 2;
    m_nodes.reserve(most);
    m_units.reserve(most);
    m_wordsHere.reserve(static_cast<std::size_t>(words.size()));
    m_nodes.push_back(Node());
    m_units.push_back(0);
    // Breadth first, a level at a time: each node covers the run of sorted words that begin
    // with its text. Only two levels' runs are kept at once.
    struct Run {
        int first;
        int last;
    };
    std::vector<Run> level{{0, static_cast<int>(words.size())}};
    std::vector<Run> next;
    for (std::size_t node = 0, depth = 0; !level.empty(); ++depth) {
        for (const Run& run : level) {
            int at = run.first;
            m_nodes[node].firstWord = static_cast<int>(m_wordsHere.size());
            // Words as long as the node's text end here; the shorter sort first.
            for (; at < run.last && sorted.length(at) == depth; ++at)
                m_wordsHere.push_back(sorted.positions[static_cast<std::size_t>(at)]);
            m_nodes[node++].firstChild = static_cast<int>(m_nodes.size());
            while (at < run.last) {
                const char16_t unit = sorted.unit(at, depth);
                int end = at + 1;
                while (end < run.last && sorted.unit(end, depth) == unit)
                    ++end;
                m_nodes.push_back(Node());
                m_units.push_back(unit);
                next.push_back({at, end});
                at = end;
            }
        }
        level.swap(next);
        next.clear();
    }
    Node closing;
    closing.firstChild = static_cast<int>(m_nodes.size());
    closing.firstWord = static_cast<int>(m_wordsHere.size());
    m_nodes.push_back(closing);
    linkFailures();
}

int SubstringMatcher::wordsAt(int node) const
{
    const auto at = static_cast<std::size_t>(node);
    return m_nodes[at + 1].firstWord - m_nodes[at].firstWord;
}

int SubstringMatcher::child(int node, char16_t unit) const
{
    const auto at = static_cast<std::size_t>(node);
    const auto begin = m_units.begin() + m_nodes[at].firstChild;
    const auto end = m_units.begin() + m_nodes[at + 1].firstChild;
    const auto found = std::lower_bound(begin, end, unit);
    return found != end && *found == unit ? static_cast<int>(found - m_units.begin()) : -1;
}

// The state after one more code unit: the deepest node whose text ends the text read so far.
int SubstringMatcher::step(int state, char16_t unit) const
{
    int next = child(state, unit);
    while (next < 0 && state != 0) {
        state = m_nodes[static_cast<std::size_t>(state)].fail;
        next = child(state, unit);
    }
    return next < 0 ? 0 : next;
}

// In breadth-first order every node's parent, and the shallower node its link leads to, are
// linked before it.
void SubstringMatcher::linkFailures()
{
    const std::size_t nodes = m_nodes.size() - 1;
    for (std::size_t parent = 0; parent < nodes; ++parent) {
        const int fromFail = m_nodes[parent].fail;
        for (int node = m_nodes[parent].firstChild; node < m_nodes[parent + 1].firstChild; ++node) {
            Node& linked = m_nodes[static_cast<std::size_t>(node)];
            linked.fail = parent == 0 ? 0 : step(fromFail, m_units[static_cast<std::size_t>(node)]);
            const Node& fail = m_nodes[static_cast<std::size_t>(linked.fail)];
            linked.nextOutput =
                linked.fail != 0 && wordsAt(linked.fail) > 0 ? linked.fail : fail.nextOutput;
        }
    }
}

QList<qsizetype> SubstringMatcher::find(const QString& text) const
{
    if (text.isEmpty() || m_nodes.empty())
        return {};
    std::vector<qsizetype> found;
    const auto collect = [this, &found](int node) {
        const auto first = m_wordsHere.begin() + m_nodes[static_cast<std::size_t>(node)].firstWord;
        found.insert(found.end(), first, first + wordsAt(node));
    };
    if (wordsAt(0) > 0)
        collect(0); // empty words
    // A node's chain of outputs is the same wherever it is reached: each is walked once.
    std::unordered_set<int> seen;
    int state = 0;
    for (const QChar c : text) {
        state = step(state, c.unicode());
        const int nearest =
            wordsAt(state) > 0 ? state : m_nodes[static_cast<std::size_t>(state)].nextOutput;
        for (int node = nearest; node > 0 && seen.insert(node).second;
             node = m_nodes[static_cast<std::size_t>(node)].nextOutput)
            collect(node);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return QList<qsizetype>(found.begin(), found.end());
}
