#include "wordbank/textindex.h"

#include <algorithm>

CTextIndex::CTextIndex(const std::vector<std::string_view>& texts) {
  // Built with small edge lists first (the root's as a table), then laid out
  // flat with sorted edges so that Find touches few cache lines.
  struct Building {
    std::vector<Edge> children;
    std::vector<uint32_t> hits;
  };
  size_t letters = 0;
  for (const auto& t : texts) letters += t.size();
  std::vector<Building> build(1);
  build.reserve(letters + 1);
  for (uint32_t pos = 0; pos < texts.size(); ++pos) {
    uint32_t node = 0;
    for (const char c : texts[pos]) {
      const auto byte = static_cast<unsigned char>(c);
      uint32_t next = 0;
      if (node == 0) {
        next = m_rootChild[byte];
      } else {
        for (const Edge& e : build[node].children)
          if (e.byte == byte) next = e.child;
      }
      if (next == 0) {
        next = static_cast<uint32_t>(build.size());
        build.emplace_back();
        if (node == 0) m_rootChild[byte] = next;
        else build[node].children.push_back({byte, next});
      }
      node = next;
    }
    build[node].hits.push_back(pos);  // positions arrive ascending
  }

  m_nodes.resize(build.size());
  m_edges.reserve(build.size());
  for (uint32_t n = 0; n < build.size(); ++n) {
    auto& children = build[n].children;
    std::sort(children.begin(), children.end(), [](const Edge& a, const Edge& b) { return a.byte < b.byte; });
    Node& node = m_nodes[n];
    node.firstEdge = static_cast<uint32_t>(m_edges.size());
    node.edgeCount = static_cast<uint32_t>(children.size());
    m_edges.insert(m_edges.end(), children.begin(), children.end());
    node.firstHit = static_cast<uint32_t>(m_hits.size());
    node.hitCount = static_cast<uint32_t>(build[n].hits.size());
    m_hits.insert(m_hits.end(), build[n].hits.begin(), build[n].hits.end());
  }
}

uint32_t CTextIndex::Child(uint32_t node, unsigned char byte) const {
  const Node& n = m_nodes[node];
  const Edge* e = m_edges.data() + n.firstEdge;
  for (const Edge* end = e + n.edgeCount; e != end && e->byte <= byte; ++e)
    if (e->byte == byte) return e->child;
  return 0;
}

void CTextIndex::Find(std::string_view text, std::vector<uint32_t>& positions) const {
  positions.clear();
  auto take = [&](uint32_t node) {
    const Node& n = m_nodes[node];
    positions.insert(positions.end(), m_hits.begin() + n.firstHit,
                     m_hits.begin() + n.firstHit + n.hitCount);
  };
  take(0);
  for (size_t start = 0; start < text.size(); ++start) {
    uint32_t node = m_rootChild[static_cast<unsigned char>(text[start])];
    for (size_t i = start + 1; node != 0; ++i) {
      take(node);
      if (i == text.size()) break;
      node = Child(node, static_cast<unsigned char>(text[i]));
    }
  }
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
}
