#include "doctestutil.h"


#include "charformat.h"

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

void Select(CVek99View& view, int start, int end) {
  QTextCursor cursor(view.document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
}

QTextCharFormat FormatAt(const CVek99View& view, int pos) {
  QTextCursor cursor(view.document());
  cursor.setPosition(pos + 1);
  return cursor.charFormat();
}

QString FaceAt(const CVek99View& view, int pos) {
  return EffectiveFace(FormatAt(view, pos), *view.document());
}
