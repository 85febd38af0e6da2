#include "lexiconcommands.h"

#include <QAction>

#include "affixsheet.h"
#include "canon/canonsearchdlg.h"
#include "flashcardsdlg.h"
#include "lexiconeditordlg.h"
#include "mainframe.h"
#include "searchlexicondlg.h"
#include "vekapp.h"

void ConnectLexiconCommands(CMainFrame& frame, CVek99App& app) {
  auto on = [&frame](const char* id, auto handler) {
    QAction* action = frame.Action(id);
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, &frame, handler);
  };

  auto* search = new CSearchLexiconDlg(&frame);
  search->m_pLexicon = &app.m_lexicon;
  search->m_findInCanon = [search, &app](const QString& word) {
    FindInCanon(search, app.m_canonDB, word);
  };
  search->Create();
  on("ID_LANGUAGE_SEARCHLEXICON", [search] {
    search->OnClearList();
    search->show();
    search->raise();
    search->activateWindow();
  });

  on("ID_LANGUAGE_FLASHCARDS", [&frame, &app] {
    CFlashcardsDlg dlg(&frame);
    dlg.m_pLexicon = &app.m_lexicon;
    dlg.exec();
  });

  on("ID_UTILITIES_MODIFYLEXICON", [&frame, &app] {
    CLexiconEditorDlg editor(&frame);
    editor.m_pLexicon = &app.m_lexicon;
    editor.exec();
    if (editor.m_bModified) app.SaveLexicon();
  });

  auto* sheet = new CAffixSheet(&frame);
  const char* const pages[] = {"ID_HELP_NOUNSUFFIXES", "ID_HELP_VERBPREFIXES",
                               "ID_HELP_VERBSUFFIXES", "ID_HELP_VERBPREFIXCHART"};
  for (int page = 0; page < 4; ++page) on(pages[page], [sheet, page] { sheet->ShowPage(page); });
}
