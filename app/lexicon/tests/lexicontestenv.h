#pragma once
// The lexicon tools' tests run the program on a small lexicon of their own
// (fixtures/lexicon.tsv) and drive the dialogs through their buttons.
#include <functional>

#include "mainframe.h"
#include "testenv.h"
#include "wordbank/klex.h"

// Runs `act` on the next modal window to open, once it is up; call it before
// the click that opens the window. A window `act` leaves open is rejected.
void OnNextModal(std::function<void(QWidget*)> act);

template <class T>
T* ModalAs(QWidget* w) {
  T* dlg = qobject_cast<T*>(w);
  EXPECT_NE(dlg, nullptr) << (w ? w->metaObject()->className() : "no window");
  return dlg;
}

class LexiconAppTest : public AppTest {
 protected:
  void SetUp() override;
  CKLex& Lex() { return m_app.m_lexicon; }
  // The lexicon as it is on disk now.
  CKLex Saved();
  QByteArray SavedBytes() { return ReadFile(Data("lexicon.klx")); }
};

// The keys of `keys` joined by spaces, for short comparisons.
std::string Joined(const CStringList& keys);
