#include "course/testsection.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "recordversion.h"
#include "wordbank/archive.h"

namespace course {

std::string FormatNumber(double number) {
  // to_chars ignores the locale, unlike printf once Qt has set it.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) return "?";
  return std::string(buf, r.ptr);
}

bool ParseNumber(const std::string& text, double& number) {
  size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  if (b < e && text[b] == '+') ++b;
  if (b == e) return false;
  double v = 0;
  const auto r = std::from_chars(text.data() + b, text.data() + e, v, std::chars_format::fixed);
  if (r.ec != std::errc() || r.ptr != text.data() + e || !std::isfinite(v)) return false;
  number = v;
  return true;
}

}  // namespace course

int CTestSection::Score() {
  const int64_t questions = static_cast<int64_t>(m_arrQuestions.size());
  // Whole numbers: in doubles 29 of 50 would come out as 57.
  m_nScore = questions == 0 ? 0 : static_cast<int32_t>(100 * int64_t{m_nCorrect} / questions);
  return m_nScore;
}

void CTestSection::ResetScore() {
  m_nScore = 0;
  m_bCompleted = 0;
  m_nCorrect = 0;
  m_strStatus = course::kStatusNotStarted;
}

void CTestSection::SetStudentStatus() {
  const std::string word = m_bCompleted ? course::kStatusCompleted : course::kStatusInProgress;
  if (m_arrQuestions.empty()) {
    m_strStatus = course::kStatusCompleted;
    return;
  }
  m_strStatus = word + " (" + std::to_string(Score()) + "%)";
}

void CTestSection::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(course::kRecordVersion);
    ar.WriteString(m_strName);
    ar.WriteDouble(m_dNumber);
    ar.WriteI32(m_nScore);
    ar.WriteString(m_strStatus);
    ar.WriteString(m_strText);
    ar.WriteI32(m_nCorrect);
    ar.WriteI32(m_bCompleted);
    ar.WriteU32(static_cast<uint32_t>(m_arrQuestions.size()));
    for (CTestQuestion& q : m_arrQuestions) q.Serialize(ar);
    return;
  }
  course::CheckRecordVersion(ar, "lesson");
  m_strName = ar.ReadString();
  m_dNumber = ar.ReadDouble();
  m_nScore = ar.ReadI32();
  m_strStatus = ar.ReadString();
  m_strText = ar.ReadString();
  m_nCorrect = ar.ReadI32();
  m_bCompleted = ar.ReadI32();
  const uint32_t n = ar.ReadCount(course::kMinQuestionBytes);
  m_arrQuestions.reserve(n);
  for (uint32_t i = 0; i < n; ++i) {
    CTestQuestion q;
    q.Serialize(ar);
    m_arrQuestions.push_back(std::move(q));
  }
}
