#pragma once
// A made-up lexicon and text of Klingon-shaped words, for timing the analyser
// without depending on the shipped data.
#include <string>
#include <vector>

#include "wordbank/klex.h"

namespace bench {

// `entries` entries: roughly 40% nouns, 40% verbs, the rest uninflected words.
CKLex MakeLexicon(int entries, unsigned seed = 7);
// Adds such entries, with words not yet in `lex`, until it holds `entries`.
void Grow(CKLex& lex, int entries, unsigned seed = 7);

// `words` words built on the lexicon's entries: bare roots, nouns with
// suffixes, verbs with prefixes and suffixes, and a share of unknown words.
std::vector<std::string> MakeText(const CKLex& lex, int words, unsigned seed = 11);

// The lexicon in a TSV file (the shipped one is data/lexicon.tsv); empty when
// it cannot be read.
CKLex ReadLexiconTsvFile(const char* path);

// The lines of the example sentences file, blank and comment lines left out;
// empty when it cannot be read.
std::vector<std::string> ReadSentenceLines(const char* path);

// `words` words of MakeText as a document: spaces between them, a comma or a
// full stop now and then, a paragraph every twelve words.
std::string MakeDocument(const CKLex& lex, int words, unsigned seed = 11);

}  // namespace bench
