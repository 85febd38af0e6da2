#include "languagetools.h"

#include <QAction>

#include "analyzedoc.h"
#include "canon/canonsearchdlg.h"
#include "doccommands.h"
#include "mainframe.h"
#include "spellcheckdlg.h"
#include "translatedlg.h"
#include "vekapp.h"
#include "vekview.h"

CLanguageTools::CLanguageTools(CMainFrame& frame, CVek99App& app)
    : QObject(&frame), m_frame(frame), m_app(app) {
  m_pTranslateDlg = new CTranslateDlg(&frame, &app.m_lexicon);
  m_pTranslateDlg->hide();
  connect(frame.DocCommands(), &CDocCommands::viewCreated, this, &CLanguageTools::OnViewCreated);

  auto onView = [this](const char* id, auto handler) {
    connect(m_frame.Action(id), &QAction::triggered, this, [this, handler] {
      if (CVek99View* view = m_frame.DocCommands()->ActiveView()) handler(view);
    });
  };
  onView("ID_FILE_ANALYZE",
         [this](CVek99View* view) { OnAnalyzeDocument(*view, m_frame, m_app.m_lexicon); });
  onView("ID_LANGUAGE_SPELLCHECK", [](CVek99View* view) {
    if (CSpellCheckDlg* dlg = SpellCheckerOf(view)) dlg->Start(view);
  });
  onView("ID_TRANSLATE_SELECTION", [](CVek99View* view) { view->OnTranslateSelection(); });
  QAction* translate = m_frame.Action("ID_LANGUAGE_TRANSLATE");
  connect(translate, &QAction::triggered, this, &CLanguageTools::OnTranslate);
  translate->setEnabled(true);

  CTranslateDlg::SetCanonSearch([&app](QWidget* parent, const QString& word) {
    FindInCanon(parent, app.m_canonDB, word);
  });
  CVek99View::SetQuickLookup([dlg = m_pTranslateDlg](const QString& text) {
    QStringList lines;
    dlg->TranslateToLines(text, lines);
    return lines;
  });
}

CLanguageTools::~CLanguageTools() {
  CVek99View::SetQuickLookup({});
  CTranslateDlg::SetCanonSearch({});
}

CSpellCheckDlg* CLanguageTools::SpellCheckerOf(const CVek99View* view) {
  return view ? view->findChild<CSpellCheckDlg*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void CLanguageTools::OnViewCreated(CVek99View* view) {
  auto* dlg = new CSpellCheckDlg(view);
  connect(view, &CVek99View::focusGained, dlg, &CSpellCheckDlg::ResetIdle);
  connect(view, &CVek99View::translateTextRequested, m_pTranslateDlg,
          &CTranslateDlg::TranslateText);
}

void CLanguageTools::OnTranslate() {
  m_pTranslateDlg->show();
  m_pTranslateDlg->raise();
  m_pTranslateDlg->activateWindow();
  m_pTranslateDlg->findChild<QWidget*>("input")->setFocus();
}
