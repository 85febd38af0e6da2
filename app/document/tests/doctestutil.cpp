#include "doctestutil.h"

#include <QTextCursor>
#include <QTextDocument>

#include "messagebox.h"
#include "vekdoc.h"
#include "vekview.h"

std::unique_ptr<CVek99View> MakeView(const QString& text) {
  auto* doc = new CVek99Doc;
  doc->OnNewDocument("vek1");
  auto view = std::make_unique<CVek99View>(doc);
  if (!text.isEmpty()) {
    view->textCursor().insertText(text);
    doc->GetDocument()->clearUndoRedoStacks();
    doc->SetModifiedFlag(false);
  }
  return view;
}

CAnswers::CAnswers(std::deque<QMessageBox::StandardButton> answers)
    : m_answers(std::move(answers)) {
  SetVekMessageHook([this](const VekMessage& m) {
    m_texts << m.strText;
    if (m_answers.empty()) return QMessageBox::Ok;
    const auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  });
}

CAnswers::~CAnswers() { SetVekMessageHook({}); }

void Select(CVek99View& view, int start, int end) {
  QTextCursor cursor(view.document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
}
