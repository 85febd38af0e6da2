// vek-course: the course file from the command line.
//
//   vek-course compile INDEX.txt LESSONS.klx   the editable course into an encrypted lessons file
//   vek-course list LESSONS.klx                every lesson with its questions and answers
#include <iostream>
#include <string>

#include "course/lessonsource.h"
#include "course/testmgr.h"

namespace {

int Fail(int code, const std::string& message) {
  std::cerr << "vek-course: " << message << "\n";
  return code;
}

int Compile(const std::string& index, const std::string& out) {
  CTestMgr mgr;
  std::string error;
  if (!course::ReadCourseSource(index, mgr, error)) return Fail(1, error);
  if (!mgr.SaveLessons(out, "")) return Fail(1, out + ": " + mgr.LastError());
  return 0;
}

int List(const std::string& path) {
  // A folder-less manager reads the path as given.
  CTestMgr mgr;
  if (!mgr.Init(path)) return Fail(1, mgr.LastError());
  std::cout << "version " << mgr.GetVersion() << "\n";
  for (const CTestSection& s : mgr.m_arrSections) {
    std::cout << s.NumberText() << "\t" << s.m_strName << "\t" << s.m_arrQuestions.size()
              << " questions\t" << s.m_strStatus << "\n";
    for (const CTestQuestion& q : s.m_arrQuestions) {
      std::cout << "\t" << q.m_strSentence;
      for (const std::string& a : q.m_lstAnswers) std::cout << "\t" << a;
      std::cout << "\n";
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "compile" && argc == 4) return Compile(argv[2], argv[3]);
  if (cmd == "list" && argc == 3) return List(argv[2]);
  std::cerr << "usage: vek-course compile INDEX.txt LESSONS.klx\n"
               "       vek-course list LESSONS.klx\n";
  return 2;
}
