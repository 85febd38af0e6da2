// The canon store: any bytes load or throw the archive's exception, nothing else.
#include <cstdlib>
#include <string>
#include <string_view>

#include "canon/entrydb.h"
#include "wordbank/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CEntryDB db;
  try {
    CArchive ar(bytes);
    db.Serialize(ar);
  } catch (const CArchiveException&) {
    return 0;
  }
  CArchive out;
  db.Serialize(out);
  CEntryDB again;
  CArchive in(out.Buffer());
  again.Serialize(in);
  if (again.GetEntries() != db.GetEntries()) abort();
  return 0;
}
