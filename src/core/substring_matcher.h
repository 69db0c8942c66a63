#pragma once

// Which of many words occur in a text, found in one pass over the text whatever the number of
// words: an Aho-Corasick automaton over the words' UTF-16 code units. Its nodes are numbered
// breadth first from the sorted words, so that every node's children lie side by side, in the
// order of their code units.

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class SubstringMatcher {
public:
    SubstringMatcher() = default;
    explicit SubstringMatcher(const QStringList& words);

    // The positions of the words that occur in the text, ascending, each once. An empty word
    // occurs in every text but the empty one.
    QList<qsizetype> find(const QString& text) const;

private:
    // Nodes lie breadth first, so a node's children, and the words ending at it, run up to where
    // the next node's begin; a last node past the others closes both runs.
    struct Node {
        int firstChild = 0;
        int firstWord = 0;   // in m_wordsHere
        int fail = 0;        // the node of the longest proper suffix of this node's text
        int nextOutput = -1; // the nearest node on the fail chain where words end, or -1
    };

    int wordsAt(int node) const;
    int child(int node, char16_t unit) const;
    int step(int state, char16_t unit) const;
    void linkFailures();

    std::vector<Node> m_nodes;
    std::vector<char16_t> m_units;      // the code unit on the edge into each node
    std::vector<qsizetype> m_wordsHere; // positions of the words ending at each node, by node
};
