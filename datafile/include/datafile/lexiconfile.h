#pragma once
// The lexicon file: the lexicon's archive form inside the encrypted container.
#include <string>
#include <string_view>

#include "wordbank/klex.h"

namespace datafile {

// Decrypts and reads the lexicon at `path` into `lex`. On any failure returns
// false, leaves `lex` exactly as it was and puts a message for the user in
// `error`.
bool LoadLexiconFile(const std::string& path, CKLex& lex, std::string& error);

// Reads a lexicon from its decrypted archive bytes, with the checks of
// LoadLexiconFile; on failure `lex` is unchanged and `why` names the damage.
bool ReadLexiconArchive(std::string_view plain, CKLex& lex, std::string& why);

// Writes `lex` to `path` through the container and an atomic replace; on
// failure the previous file stays as it was. A lexicon that CheckLexicon
// refuses is not written, since it could not be loaded again.
bool SaveLexiconFile(const std::string& path, CKLex& lex, std::string& error);

// The checks a loaded lexicon must pass beyond what the archive itself
// checks: every part of speech known and every flag 0 or 1. Damage inside the
// encrypted stream shows up here more often than as a short archive.
bool CheckLexicon(const CKLex& lex, std::string& error);

}  // namespace datafile
