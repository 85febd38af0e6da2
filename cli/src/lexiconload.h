#pragma once
// How the command-line tools find and read a lexicon.
#include <string>

#include "wordbank/klex.h"

namespace cli {

// The folder of the running executable, with a trailing slash.
std::string ExecutableDir();

// Reads a ".tsv" file as text, anything else as an encrypted lexicon file.
// On failure returns false with a one-line message in `error`.
bool LoadLexicon(const std::string& path, CKLex& lex, std::string& error);

// Reads a whole file or stream (text input may come from a pipe); false if it
// cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

}  // namespace cli
