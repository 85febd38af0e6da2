// The lessons file's plaintext: any bytes load all or nothing, and a loaded
// course writes back to bytes that load to the same course.
#include <cstdlib>
#include <string>
#include <string_view>

#include "course/testmgr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view plain(reinterpret_cast<const char*>(data), size);
  CTestMgr mgr;
  std::string why;
  if (!mgr.FromBytes(plain, why)) {
    if (!mgr.m_arrSections.empty() || why.empty()) abort();
    return 0;
  }
  const std::string once = mgr.ToBytes();
  CTestMgr again;
  if (!again.FromBytes(once, why) || again.ToBytes() != once) abort();
  return 0;
}
