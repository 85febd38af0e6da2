// The lexicon as text: whatever reads must write back to a text that reads
// again to the same lexicon, byte for byte on the second write.
#include <cstdlib>
#include <string>
#include <string_view>

#include "wordbank/lextsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CKLex lex;
  std::string error;
  if (!wordbank::ReadLexiconTsv(text, lex, error)) return 0;
  const std::string once = wordbank::WriteLexiconTsv(lex);
  CKLex again;
  if (!wordbank::ReadLexiconTsv(once, again, error)) abort();
  if (again.GetCount() != lex.GetCount()) abort();
  if (wordbank::WriteLexiconTsv(again) != once) abort();
  return 0;
}
