// The course model: matching, scores, numbers, progress and lookups.
#include <gtest/gtest.h>

#include <clocale>

#include "course/testmgr.h"

namespace {

CTestSection Lesson(double number, const std::string& name, size_t questions = 0) {
  CTestSection s;
  s.m_dNumber = number;
  s.m_strName = name;
  s.m_arrQuestions.resize(questions);
  return s;
}

TEST(Question, MatchIsExactAndNeverEmpty) {
  CTestQuestion q;
  q.m_lstAnswers = {"qaH", "", "jIyaj"};
  struct Case { const char* answer; int expected; };
  for (const Case& c : {Case{"qaH", 1}, Case{"jIyaj", 1}, Case{"QaH", 0}, Case{"qaH ", 0},
                        Case{" qaH", 0}, Case{"", 0}, Case{"qa", 0}})
    EXPECT_EQ(q.Match(c.answer), c.expected) << '"' << c.answer << '"';
  EXPECT_EQ(CTestQuestion().Match("qaH"), 0);  // no answers: never right
}

TEST(Section, ScoreIsWholePercentInIntegers) {
  struct Case { int correct; size_t questions; int score; };
  for (const Case& c : {Case{2, 3, 66}, Case{29, 50, 58}, Case{57, 100, 57}, Case{3, 4, 75},
                        Case{0, 5, 0}, Case{5, 5, 100}, Case{1, 0, 0}}) {
    CTestSection s = Lesson(1, "x", c.questions);
    s.m_nCorrect = c.correct;
    EXPECT_EQ(s.Score(), c.score) << c.correct << " of " << c.questions;
    EXPECT_EQ(s.m_nScore, c.score);
  }
}

TEST(Section, StudentStatusAfterAVisit) {
  struct Case { size_t questions; int correct; int completed; const char* status; };
  for (const Case& c : {Case{4, 3, 1, "completed (75%)"}, Case{4, 2, 1, "completed (50%)"},
                        Case{4, 1, 0, "in progress (25%)"}, Case{4, 0, 0, "in progress (0%)"},
                        Case{0, 0, 0, "completed"}, Case{0, 0, 1, "completed"}}) {
    CTestSection s = Lesson(1, "x", c.questions);
    s.m_nCorrect = c.correct;
    s.m_bCompleted = c.completed;
    s.SetStudentStatus();
    EXPECT_EQ(s.m_strStatus, c.status);
  }
  CTestSection s = Lesson(1, "x", 2);
  s.m_nCorrect = 2;
  s.m_bCompleted = 1;
  s.m_nScore = 100;
  s.ResetScore();
  EXPECT_EQ(s.m_strStatus, "not started");
  EXPECT_EQ(s.m_nScore + s.m_nCorrect + s.m_bCompleted, 0);
}

TEST(Numbers, ShownWithTwoDecimalsWhateverTheLocale) {
  // A locale with a decimal comma must not change the shown numbers.
  const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  EXPECT_EQ(course::FormatNumber(1.5), "1.50");
  EXPECT_EQ(course::FormatNumber(10), "10.00");
  EXPECT_EQ(course::FormatNumber(2.005), "2.00");  // 2.005 is just below in binary
  EXPECT_EQ(course::FormatNumber(-0.25), "-0.25");
  struct Case { const char* text; bool ok; double value; };
  for (const Case& c : {Case{"1.5", true, 1.5}, Case{" 1.500 ", true, 1.5}, Case{"+3", true, 3},
                        Case{"12", true, 12}, Case{"1,5", false, 0}, Case{"", false, 0},
                        Case{"abc", false, 0}, Case{"1.5x", false, 0}, Case{"inf", false, 0},
                        Case{"nan", false, 0}, Case{"1e3", false, 0}}) {
    double v = -1;
    EXPECT_EQ(course::ParseNumber(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  if (comma) std::setlocale(LC_ALL, "C");
}

TEST(Manager, LessonsAreFoundByTheirShownNumberFirstOneWins) {
  CTestMgr mgr;
  mgr.m_arrSections = {Lesson(1.5, "first"), Lesson(1.501, "second"), Lesson(2, "two")};
  CTestSection found;
  ASSERT_EQ(mgr.GetTestSection("1.50", found), 1);
  EXPECT_EQ(found.m_strName, "first");
  EXPECT_EQ(mgr.GetTestSection("1.5", found), 0);
  EXPECT_EQ(mgr.FindSection("2.00"), 2);

  // Edit and Delete go by the stored number, exactly.
  CTestSection edited = Lesson(1.501, "second, edited");
  EXPECT_EQ(mgr.Edit(edited), 1);
  EXPECT_EQ(mgr.m_arrSections[1].m_strName, "second, edited");
  EXPECT_EQ(mgr.Edit(Lesson(1.502, "none")), 0);
  EXPECT_EQ(mgr.Delete(Lesson(1.5, "")), 1);
  ASSERT_EQ(mgr.m_arrSections.size(), 2u);
  EXPECT_EQ(mgr.m_arrSections[0].m_strName, "second, edited");
  EXPECT_EQ(mgr.Delete(Lesson(7, "")), 0);
  mgr.Clear();
  EXPECT_TRUE(mgr.m_arrSections.empty());
}

TEST(Progress, NextLessonWalk) {
  using V = std::vector<std::string>;
  struct Case { V statuses; int next; };
  for (const Case& c : {
           Case{{"completed (100%)", "completed (75%)", "not started"}, 2},
           Case{{"completed (74%)", "not started"}, 0},
           Case{{"completed", "in progress (0%)"}, 1},  // a lesson without questions is passed
           Case{{"completed (80%)", "in progress"}, 1},
           Case{{"completed (100%)", "completed (75%)"}, -1},
           Case{{"completed (5%)"}, 0},
           Case{{}, -1},
       })
    EXPECT_EQ(course::NextLessonIndex(c.statuses), c.next) << ::testing::PrintToString(c.statuses);
}

}  // namespace
