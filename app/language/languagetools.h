#pragma once
// Wires the language tools into the main window: the translate window it
// keeps for the whole run, a spell checker for each document view, and the
// commands Analyze Document, Spell Check, Translate and Translate Selection.
#include <QObject>

class CMainFrame;
class CSpellCheckDlg;
class CTranslateDlg;
class CVek99App;
class CVek99View;

class CLanguageTools : public QObject {
  Q_OBJECT
 public:
  CLanguageTools(CMainFrame& frame, CVek99App& app);
  ~CLanguageTools() override;

  CTranslateDlg* TranslateDlg() const { return m_pTranslateDlg; }
  // The spell checker `view` owns.
  static CSpellCheckDlg* SpellCheckerOf(const CVek99View* view);

 private:
  void OnViewCreated(CVek99View* view);
  void OnTranslate();

  CMainFrame& m_frame;
  CVek99App& m_app;
  CTranslateDlg* m_pTranslateDlg;
};
