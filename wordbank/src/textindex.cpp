#include "wordbank/textindex.h"

#include <algorithm>
#include <map>

CTextIndex::CTextIndex(const std::vector<std::string_view>& texts) {
  // Built with maps first, then laid out flat so that Find touches few cache lines.
  struct Building {
    std::map<unsigned char, uint32_t> children;
    std::vector<uint32_t> hits;
  };
  std::vector<Building> build(1);
  for (uint32_t pos = 0; pos < texts.size(); ++pos) {
    uint32_t node = 0;
    for (const char c : texts[pos]) {
      const auto byte = static_cast<unsigned char>(c);
      auto it = build[node].children.find(byte);
      if (it == build[node].children.end()) {
        it = build[node].children.emplace(byte, static_cast<uint32_t>(build.size())).first;
        build.emplace_back();
      }
      node = it->second;
    }
    build[node].hits.push_back(pos);  // positions arrive ascending
  }

  m_nodes.resize(build.size());
  for (uint32_t n = 0; n < build.size(); ++n) {
    Node& node = m_nodes[n];
    node.firstEdge = static_cast<uint32_t>(m_edges.size());
    node.edgeCount = static_cast<uint32_t>(build[n].children.size());
    for (const auto& [byte, child] : build[n].children) m_edges.push_back({byte, child});
    node.firstHit = static_cast<uint32_t>(m_hits.size());
    node.hitCount = static_cast<uint32_t>(build[n].hits.size());
    m_hits.insert(m_hits.end(), build[n].hits.begin(), build[n].hits.end());
  }
  for (const auto& [byte, child] : build[0].children) m_rootChild[byte] = child;
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
