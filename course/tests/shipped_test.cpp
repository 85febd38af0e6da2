// The course the program ships: enough lessons, each with a real test, and
// every answer Klingon that the shipped analyser reads without a fault.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "course/testmgr.h"
#include "datafile/lexiconfile.h"
#include "morphan/klingonparser.h"

namespace {

TEST(ShippedCourse, LessonsAndTheirTests) {
  CTestMgr mgr(VEK_DATA_DIR);
  ASSERT_EQ(mgr.Init(), 1) << mgr.LastError();
  ASSERT_EQ(mgr.m_bLoaded, 1) << "no lessons.klx in " VEK_DATA_DIR;
  EXPECT_GE(mgr.m_arrSections.size(), 12u);
  std::set<std::string> numbers;
  for (const CTestSection& s : mgr.m_arrSections) {
    SCOPED_TRACE(s.NumberText() + " " + s.m_strName);
    EXPECT_TRUE(numbers.insert(s.NumberText()).second);
    EXPECT_EQ(s.m_strStatus, "not started");
    EXPECT_EQ(s.m_strText.rfind("{\\rtf1", 0), 0u);
    EXPECT_GE(s.m_arrQuestions.size(), 5u);
    for (const CTestQuestion& q : s.m_arrQuestions) {
      EXPECT_FALSE(q.m_strQuestion.empty() || q.m_strSentence.empty());
      EXPECT_FALSE(q.m_lstAnswers.empty()) << q.m_strSentence;
    }
  }
}

TEST(ShippedCourse, EveryAnswerWordReadsCleanly) {
  CTestMgr mgr(VEK_DATA_DIR);
  ASSERT_EQ(mgr.Init(), 1) << mgr.LastError();
  CKLex lex;
  std::string error;
  ASSERT_TRUE(datafile::LoadLexiconFile(VEK_DATA_DIR "/lexicon.klx", lex, error)) << error;
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  size_t words = 0;
  for (const CTestSection& s : mgr.m_arrSections)
    for (const CTestQuestion& q : s.m_arrQuestions)
      for (const std::string& answer : q.m_lstAnswers) {
        // Answers are typed exactly: no doubled or outer blanks, no punctuation.
        EXPECT_EQ(answer.find_first_not_of("abcDeghHIjlmnopqQrStuvwy' "), std::string::npos) << answer;
        EXPECT_TRUE(answer.find("  ") == std::string::npos && answer.front() != ' ' &&
                    answer.back() != ' ') << '"' << answer << '"';
        std::istringstream in(answer);
        for (std::string word; in >> word; ++words) {
          std::vector<CParseResult> results;
          parser.ParseWord(word, results);
          bool clean = false;
          for (const CParseResult& r : results) clean = clean || r.m_dScore == 1.0;
          EXPECT_TRUE(clean) << word << " in \"" << answer << "\" (lesson " << s.NumberText() << ")";
        }
      }
  EXPECT_GE(words, 60u);
}

}  // namespace
