// The personal dictionary: any bytes read as words, and the words written in
// the encoding they were read in read back the same.
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/userdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CStringList words;
  bool utf8 = false;
  datafile::ParseUserDict(bytes, words, utf8);
  if (words.empty()) return 0;
  CStringList back;
  bool utf8Back = false;
  datafile::ParseUserDict(datafile::FormatUserDict(words, utf8), back, utf8Back);
  if (back != words) abort();
  return 0;
}
