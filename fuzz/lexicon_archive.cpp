// The decrypted lexicon archive: any bytes either load a lexicon that passes
// the loader's checks or are refused, leaving the lexicon as it was.
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/lexiconfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CKLex lex;
  lex.Add(CKWord());
  std::string why;
  if (datafile::ReadLexiconArchive(bytes, lex, why)) {
    std::string check;
    if (!datafile::CheckLexicon(lex, check)) abort();
  } else if (lex.GetCount() != 1 || why.empty()) {
    abort();
  }
  return 0;
}
