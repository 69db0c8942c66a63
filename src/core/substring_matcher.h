#pragma once

// Which of many words occur in a text, at a cost that does not grow with the number of words: a
// trie of the words' UTF-16 code units walked from every position of the text, so that a text
// costs at most its length times the longest word's (titles and entries are short). Each
// unbranched chain of the trie is one node holding its run of code units, and without failure
// links, which every code unit of the trie would need, a list of 100,000 words makes some 130,000
// nodes rather than 600,000: it is built at every load of the list, and building it is mostly
// touching fresh memory. The nodes are numbered breadth first from the sorted words, so that every
// node's children lie side by side, in the order of their first code units.

#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class SubstringMatcher {
public:
    SubstringMatcher() = default;
    explicit SubstringMatcher(const QStringList& words);

    // The positions of the words that occur in the text, ascending, each once. An empty word
    // occurs in every text but the empty one.
    QList<qsizetype> find(const QString& text) const;

private:
    struct SortedWords;
    struct Cover;

    // Nodes lie breadth first, so a node's children, the words ending at it and the code units
    // on the edge into it after its head run up to where the next node's begin; a last node past
    // the others closes the runs.
    struct Node {
        int firstChild = 0;
        int firstWord = 0; // in m_wordsHere
        int runStart = 0;  // in m_units
    };

    void branch(std::size_t node, Cover cover, const SortedWords& sorted,
                std::vector<Cover>& covers);
    int wordsAt(int node) const;
    std::u16string_view runOf(int node) const;
    int child(int node, char16_t unit) const;
    int deeper(int node, std::u16string_view& rest) const;

    std::vector<Node> m_nodes;
    std::vector<char16_t> m_heads;      // the first code unit on the edge into each node
    std::u16string m_units;             // the rest of each edge, by node
    std::vector<qsizetype> m_wordsHere; // positions of the words ending at each node, by node
};
