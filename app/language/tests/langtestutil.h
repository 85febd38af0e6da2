#pragma once
// Shared set-up of the language tool tests: a small lexicon read from text.
#include "testenv.h"
#include "wordbank/klex.h"

// Readable failures: QString as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// How the analyser renders the verb yaj on its own.
inline constexpr char kYaj[] = "he/she/it/they understand him/her/it/them";

// A lexicon of a handful of words, the Word Info fields included.
CKLex SmallLexicon();
