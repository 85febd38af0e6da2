#include "course/lessonsource.h"

#include "datafile/atomicfile.h"
#include "wordbank/textcodec.h"

namespace course {

namespace {

// Splits "keyword value" lines; comments and blank lines are dropped.
struct CSourceLine {
  size_t nLine;
  std::string_view strKey;
  std::string value;
};

bool ReadLines(std::string_view source, std::vector<CSourceLine>& out, std::string& error) {
  const auto lines = wordbank::SplitLines(source);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    const size_t space = line.find(' ');
    CSourceLine l{i + 1, line.substr(0, space),
                  space == std::string_view::npos ? std::string() : std::string(line.substr(space + 1))};
    // Texts end up in Windows-1252; anything it cannot hold would turn into '?'.
    if (wordbank::Cp1252ToUtf8(wordbank::Utf8ToCp1252(l.value)) != l.value) {
      error = "line " + std::to_string(l.nLine) + ": text that Windows-1252 cannot hold";
      return false;
    }
    out.push_back(std::move(l));
  }
  return true;
}

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool ParseLessonSource(std::string_view source, CTestSection& section, std::string& rtfName,
                       std::string& error) {
  std::vector<CSourceLine> lines;
  if (!ReadLines(source, lines, error)) return false;
  CTestSection s;
  s.ResetScore();
  bool haveNumber = false;
  rtfName.clear();
  auto fail = [&error](const CSourceLine& l, const std::string& why) {
    error = "line " + std::to_string(l.nLine) + ": " + why;
    return false;
  };
  auto finishQuestion = [&](const CSourceLine& l) {
    if (s.m_arrQuestions.empty()) return true;
    const CTestQuestion& q = s.m_arrQuestions.back();
    if (q.m_strSentence.empty()) return fail(l, "the question before has no sentence");
    if (q.m_lstAnswers.empty()) return fail(l, "the question before has no answer");
    return true;
  };
  for (const CSourceLine& l : lines) {
    if (l.strKey == "number") {
      if (!ParseNumber(l.value, s.m_dNumber)) return fail(l, "not a lesson number: " + l.value);
      haveNumber = true;
    } else if (l.strKey == "name") {
      s.m_strName = l.value;
    } else if (l.strKey == "text") {
      rtfName = l.value;
    } else if (l.strKey == "question") {
      if (!finishQuestion(l)) return false;
      s.m_arrQuestions.emplace_back().m_strQuestion = l.value;
    } else if (l.strKey == "sentence" || l.strKey == "answer") {
      if (s.m_arrQuestions.empty()) return fail(l, std::string(l.strKey) + " before any question");
      if (l.value.empty()) return fail(l, "an empty " + std::string(l.strKey));
      CTestQuestion& q = s.m_arrQuestions.back();
      if (l.strKey == "sentence")
        q.m_strSentence = l.value;
      else
        q.m_lstAnswers.push_back(l.value);
    } else {
      return fail(l, "unknown keyword \"" + std::string(l.strKey) + "\"");
    }
  }
  if (!finishQuestion(CSourceLine{wordbank::SplitLines(source).size(), {}, {}})) return false;
  if (!haveNumber || s.m_strName.empty() || rtfName.empty()) {
    error = "a lesson needs a number, a name and a text";
    return false;
  }
  section = std::move(s);
  return true;
}

bool ReadCourseSource(const std::string& indexPath, CTestMgr& mgr, std::string& error) {
  std::string bytes;
  if (!datafile::ReadFileBytes(indexPath, bytes, error)) return false;
  std::vector<CSourceLine> lines;
  if (!ReadLines(bytes, lines, error)) {
    error = indexPath + ": " + error;
    return false;
  }
  CTestMgr course;
  const std::string folder = Folder(indexPath);
  for (const CSourceLine& l : lines) {
    const std::string where = indexPath + ":" + std::to_string(l.nLine) + ": ";
    if (l.strKey == "version") {
      course.m_strVersion = l.value;
      continue;
    }
    if (l.strKey != "lesson") {
      error = where + "unknown keyword \"" + std::string(l.strKey) + "\"";
      return false;
    }
    const std::string lessonPath = folder + l.value;
    std::string source, rtfName, rtf;
    CTestSection section;
    if (!datafile::ReadFileBytes(lessonPath, source, error) ||
        !ParseLessonSource(source, section, rtfName, error)) {
      error = lessonPath + ": " + error;
      return false;
    }
    if (!datafile::ReadFileBytes(folder + rtfName, rtf, error)) return false;
    // RTF keeps its 8-bit characters in the Windows code page.
    section.m_strText = wordbank::Cp1252ToUtf8(rtf);
    if (course.FindSection(section.NumberText()) >= 0) {
      error = lessonPath + ": lesson " + section.NumberText() + " is there twice";
      return false;
    }
    course.m_arrSections.push_back(std::move(section));
  }
  mgr.m_strVersion = course.m_strVersion;
  mgr.m_arrSections = std::move(course.m_arrSections);
  return true;
}

}  // namespace course
