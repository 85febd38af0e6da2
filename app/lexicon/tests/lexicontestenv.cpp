#include "lexicontestenv.h"

#include "datafile/lexiconfile.h"
#include "wordbank/lextsv.h"

void OnNextModal(std::function<void(QWidget*)> act) {
  QWidget* before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  auto* elapsed = new QElapsedTimer;
  elapsed->start();
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* w = QApplication::activeModalWidget();
    const bool late = elapsed->hasExpired(5000);
    if ((!w || w == before) && !late) return;
    timer->stop();
    timer->deleteLater();
    delete elapsed;
    if (late) {
      ADD_FAILURE() << "no modal window opened";
      return;
    }
    act(w);
    if (auto* dlg = qobject_cast<QDialog*>(w); dlg && dlg->isVisible()) dlg->reject();
  });
  timer->start(5);
}

void LexiconAppTest::SetUp() {
  AppTest::SetUp();
  CKLex lex;
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(ReadFile(VEK_LEXICON_FIXTURES "/lexicon.tsv").toStdString(),
                                       lex, error))
      << error;
  ASSERT_TRUE(datafile::SaveLexiconFile(Data("lexicon.klx").toStdString(), lex, error)) << error;
  Start();
}

CKLex LexiconAppTest::Saved() {
  CKLex lex;
  std::string error;
  EXPECT_TRUE(datafile::LoadLexiconFile(Data("lexicon.klx").toStdString(), lex, error)) << error;
  return lex;
}

std::string Joined(const CStringList& keys) {
  std::string out;
  for (const std::string& k : keys) out += (out.empty() ? "" : " ") + k;
  return out;
}
