#pragma once
// Helpers of the document tests: a view on a fresh document, and message
// boxes answered from a list.
#include <QMessageBox>
#include <QStringList>
#include <deque>
#include <memory>

class CVek99View;
class QString;

// A view on a new untitled plain-text document holding `text`, not modified.
std::unique_ptr<CVek99View> MakeView(const QString& text = QString());

// Answers message boxes in turn (Ok once the list is used up) and records their texts.
class CAnswers {
 public:
  explicit CAnswers(std::deque<QMessageBox::StandardButton> answers = {});
  ~CAnswers();
  QStringList m_texts;

 private:
  std::deque<QMessageBox::StandardButton> m_answers;
};

// Selects [start, end) in the view.
void Select(CVek99View& view, int start, int end);
