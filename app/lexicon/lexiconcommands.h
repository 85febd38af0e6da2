#pragma once
// The main window's lexicon commands: Search Lexicon (F8), Flashcards (F10),
// Modify Lexicon (Ctrl+M) and the four affix pages (Ctrl+1 to Ctrl+4). The
// search window and the affix sheet are made once, hidden, as children of the
// main window.
class CMainFrame;
class CVek99App;

void ConnectLexiconCommands(CMainFrame& frame, CVek99App& app);
