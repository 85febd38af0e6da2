#pragma once
// The course: the lessons in file order, kept encrypted in lessons.klx in the
// program's data folder. No Qt here; the windows are in course/ui.
#include <string>
#include <string_view>
#include <vector>

#include "course/testsection.h"

namespace course {

inline constexpr const char* kLessonsFile = "lessons.klx";
inline constexpr const char* kMsgInitFailed = "Unable to initialize Course system.";
inline constexpr const char* kMsgSaveFailed = "Unable to save lessons!";

// The lesson a student should take next among `statuses` (in list order):
// the first not started or in progress, or completed with less than 75%.
// -1 when there is none.
int NextLessonIndex(const std::vector<std::string>& statuses);

}  // namespace course

class CTestMgr {
 public:
  // `folder` is the data folder, with or without a trailing '/'; empty means
  // the current folder.
  explicit CTestMgr(std::string folder = {});

  // Loads the course from lessons.klx (or `name`) in the data folder. A
  // missing file gives an empty course and 1. A file that cannot be decrypted
  // or read in full gives 0, LastError() says why, and the course is left as
  // it was: a course is never half-loaded, so it is never saved half.
  int Init();
  int Init(const std::string& name);

  // Writes the course through a temporary file that replaces the old one
  // only when complete; an empty passphrase means the built-in one.
  int SaveLessons();
  int SaveLessons(const std::string& name, const std::string& passphrase);

  const std::string& GetVersion() const { return m_strVersion; }
  // The first lesson whose shown number equals `key`.
  int GetTestSection(const std::string& key, CTestSection& section) const;
  // Index of that lesson, or -1.
  int FindSection(const std::string& key) const;
  // Replaces, or removes, the first lesson with exactly the same number.
  int Edit(const CTestSection& section);
  int Delete(const CTestSection& section);
  void Clear() { m_arrSections.clear(); }
  void ResetScores();

  // Reads or writes the whole course; damage throws CArchiveException.
  void Serialize(CArchive& ar);
  // The plaintext of the lessons file, and the reverse (all or nothing).
  std::string ToBytes();
  bool FromBytes(std::string_view plain, std::string& why);

  std::string PathOf(const std::string& name) const { return m_strFolder + name; }
  const std::string& LastError() const { return m_strError; }

  std::vector<CTestSection> m_arrSections;
  int m_bLoaded = 0;
  std::string m_strVersion;

 private:
  std::string m_strFolder;
  std::string m_strError;
};
