#pragma once
// The rules text format (see README, "Robot rules"): UTF-8 lines, one keyword
// and its value per line, values escaped with \\ \n \r \t.
#include <string>
#include <string_view>

class CRuleDB;

// Parses `text` into `db` (replacing it) and returns true; on a damaged text
// returns false with "line N: ..." in `error` and leaves `db` untouched.
bool ReadRulesText(std::string_view text, CRuleDB& db, std::string& error);
std::string WriteRulesText(const CRuleDB& db);

namespace rules {
// Refuses files larger than this before reading them.
constexpr size_t kMaxRulesFileBytes = 16u << 20;
}
