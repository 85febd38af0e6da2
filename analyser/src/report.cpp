#include "morphan/report.h"

#include <charconv>
#include <nlohmann/json.hpp>

namespace morphan {

std::vector<std::string> TokeniseText(std::string_view text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    const size_t lf = text.find('\n', start);
    std::string_view line = text.substr(start, lf == std::string_view::npos ? lf : lf - start);
    const size_t last = line.find_last_not_of(" \t\r\n");
    line = line.substr(0, last == std::string_view::npos ? 0 : last + 1);
    size_t from = 0;
    for (;;) {
      const size_t sp = line.find(' ', from);
      pieces.emplace_back(line.substr(from, sp == std::string_view::npos ? sp : sp - from));
      if (sp == std::string_view::npos) break;
      from = sp + 1;
    }
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return pieces;
}

std::string ErrorNote(const CParseResult& result) {
  if (result.m_lstErrors.empty()) return {};
  // to_chars ignores the C library's locale, which a GUI program sets from the user's.
  char score[400];  // room for any double in fixed notation
  const auto end = std::to_chars(score, score + sizeof score, result.m_dScore,
                                 std::chars_format::fixed, 2);
  return " (" + std::to_string(result.m_lstErrors.size()) + " errors " +
         std::string(score, end.ptr) + ")";
}

std::string ReadingLine(const CParseResult& result) {
  return result.m_strPos + ": " + result.m_strWord + ": " + result.m_strGloss + ErrorNote(result);
}

std::string ReportPiece(CKlingonParser& parser, const std::string& piece, std::string_view eol) {
  if (piece.empty()) return std::string(eol);
  std::vector<CParseResult> results;
  if (parser.ParseWord(piece, results) == 0) return "X: " + piece + ": *** not found ***" + std::string(eol);
  std::string out;
  for (const auto& r : results) out.append(ReadingLine(r)).append(eol);
  return out;
}

std::string PieceJson(CKlingonParser& parser, const std::string& piece) {
  nlohmann::json readings = nlohmann::json::array();
  if (!piece.empty()) {
    std::vector<CParseResult> results;
    parser.ParseWord(piece, results);
    for (const auto& r : results) {
      readings.push_back({{"pos", r.m_strPos},
                          {"word", r.m_strWord},
                          {"key", r.m_strKey},
                          {"gloss", r.m_strGloss},
                          {"score", r.m_dScore},
                          {"errors", r.m_lstErrors},
                          {"suggestions", r.m_lstSuggestions}});
    }
  }
  return nlohmann::json{{"input", piece}, {"readings", readings}}.dump(
      -1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string ReportText(CKlingonParser& parser, std::string_view text, std::string_view eol) {
  std::string report;
  for (const auto& piece : TokeniseText(text)) report += ReportPiece(parser, piece, eol);
  return report;
}

}  // namespace morphan
