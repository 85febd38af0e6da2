#pragma once
// One lesson: its number and title, its text (RTF), its test and the
// student's progress in it.
#include <cstdint>
#include <string>
#include <vector>

#include "course/testquestion.h"

namespace course {

inline constexpr const char* kStatusNotStarted = "not started";
inline constexpr const char* kStatusInProgress = "in progress";
inline constexpr const char* kStatusCompleted = "completed";

// A lesson number as it is shown and looked up: two decimals, a full stop,
// whatever the user's locale.
std::string FormatNumber(double number);
// Reads a lesson number as typed (blanks around it allowed, a full stop as
// decimal point); false for anything that is not a finite number.
bool ParseNumber(const std::string& text, double& number);

}  // namespace course

class CTestSection {
 public:
  // The score in whole percent, (100 x correct) / questions, stored in
  // m_nScore; 0 for a lesson without questions.
  int Score();
  // Back to "not started" with no score.
  void ResetScore();
  // The progress text after a student's visit: "completed" for a lesson
  // without questions, else "in progress (N%)" or "completed (N%)".
  void SetStudentStatus();
  // m_dNumber as shown.
  std::string NumberText() const { return course::FormatNumber(m_dNumber); }

  void Serialize(CArchive& ar);

  int32_t m_bCompleted = 0;
  int32_t m_nCorrect = 0;
  std::string m_strName;
  double m_dNumber = 0.0;
  std::string m_strText;
  std::string m_strStatus;
  std::vector<CTestQuestion> m_arrQuestions;
  int32_t m_nScore = 0;
};
