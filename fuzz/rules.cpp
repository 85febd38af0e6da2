// The robot rules text: a text that reads writes back to one that reads again
// and writes the same bytes.
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/ruledb.h"
#include "rules/ruletext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CRuleDB db;
  std::string error;
  if (!ReadRulesText(text, db, error)) return 0;
  const std::string once = WriteRulesText(db);
  CRuleDB again;
  if (!ReadRulesText(once, again, error)) abort();
  if (again.GetSize() != db.GetSize() || WriteRulesText(again) != once) abort();
  return 0;
}
