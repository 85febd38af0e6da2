#pragma once
// The lexicon as tab-separated text, for keeping it in git and editing it in a
// spreadsheet.
//
// UTF-8; lines starting with "#" are comments and blank lines are skipped; the
// first other line names the columns, in any order: key, word, pos, definition,
// notes, being, bodypart, inherentplural, irregular, irregularform, stative,
// synonyms, antonyms, score, excluded (word, pos and definition are required).
// pos is a name ("noun", "verb", ...) or a code 0..7; flags are 0 or 1, empty
// meaning 0; synonyms and antonyms are keys joined by "|"; an empty key means
// the key the lexicon's Add makes. Inside a field, "\t", "\n", "\r" and "\\"
// stand for a tab, a line feed, a carriage return and a backslash.
#include <string>
#include <string_view>

#include "wordbank/klex.h"

namespace wordbank {

// Reads `text` into `lex` (replacing its content) and returns true; on any
// error returns false, sets `error` to a message naming the line, and leaves
// `lex` untouched.
bool ReadLexiconTsv(std::string_view text, CKLex& lex, std::string& error);

// Writes every column. A key is left empty where reading it back would make
// the same key, so a file read and written again comes out the same.
std::string WriteLexiconTsv(const CKLex& lex);

}  // namespace wordbank
