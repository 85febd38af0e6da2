#pragma once
#include <fstream>
#include <iterator>
#include <string>

// The bytes of fixtures/<name>; empty when missing, which every use rejects.
inline std::string Fixture(const std::string& name) {
  std::ifstream in(WORDBANK_FIXTURES "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
