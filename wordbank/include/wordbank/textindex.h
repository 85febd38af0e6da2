#pragma once
// Which of a set of texts occur in a given text: a trie over the texts, walked
// from every position of the text. The analyser asks this of every word for
// the lexicon's entry texts, so that it tries only the entries that can be the
// root instead of testing all of them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CTextIndex {
 public:
  // Indexes texts[0..n); a number given back by Find is a position in it.
  explicit CTextIndex(const std::vector<std::string_view>& texts);

  // Sets `positions` to the positions of the texts that occur in `text` as a
  // contiguous, case-sensitive substring, ascending, each once. An empty text
  // occurs in every text.
  void Find(std::string_view text, std::vector<uint32_t>& positions) const;

  size_t NodeCount() const { return m_nodes.size(); }

 private:
  struct Node {
    uint32_t firstEdge = 0;
    uint32_t edgeCount = 0;
    uint32_t firstHit = 0;
    uint32_t hitCount = 0;
  };
  struct Edge {
    unsigned char byte;
    uint32_t child;
  };
  uint32_t Child(uint32_t node, unsigned char byte) const;

  std::vector<Node> m_nodes;        // m_nodes[0] is the root
  std::vector<Edge> m_edges;        // each node's edges together, sorted by byte
  std::vector<uint32_t> m_hits;     // each node's text positions together, ascending
  uint32_t m_rootChild[256] = {};   // the root's edges as a table; 0 = none
};
