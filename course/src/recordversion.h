#pragma once
// Every record of the lessons file starts with a version word; only 1 exists.
#include <cstdint>
#include <string>

#include "wordbank/archive.h"

namespace course {

inline constexpr uint32_t kRecordVersion = 1;

// Smallest records, for checking counts against the bytes left: a question
// is version, three empty texts, two integers and an answer count; a lesson
// is version, two empty texts around a double, score, empty text, two
// integers and a question count.
inline constexpr size_t kMinQuestionBytes = 4 + 3 + 4 + 4 + 4;
inline constexpr size_t kMinLessonBytes = 4 + 1 + 8 + 4 + 1 + 1 + 4 + 4 + 4;

inline void CheckRecordVersion(CArchive& ar, const char* what) {
  const uint32_t v = ar.ReadU32();
  if (v != kRecordVersion)
    throw CArchiveException(std::string("a ") + what + " record of version " + std::to_string(v) +
                            ", which this program does not know");
}

}  // namespace course
