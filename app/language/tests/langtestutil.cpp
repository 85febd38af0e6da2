#include "langtestutil.h"

#include "wordbank/lextsv.h"

CKLex SmallLexicon() {
  CKLex lex;
  std::string error;
  const bool ok = wordbank::ReadLexiconTsv(
      "word\tpos\tdefinition\tnotes\tsynonyms\n"
      "'ej\tconj\tand\t\t\n"
      "tlhIngan\tnoun\tKlingon\tthe people\t\n"
      "yaj\tverb\tunderstand\t\t\n"
      "Qapla'\texcl\tsuccess\ta greeting\t\n"
      "Duj\tnoun\tship\t\tbIQDuj\n"
      "bIQDuj\tnoun\tsea ship\t\t\n"
      "jagh\tnoun\tenemy\t\t\n"
      "jach\tverb\tscream\t\t\n"
      "Sop\tverb\teat\t\t\n"
      "nuH\tnoun\tweapon\t\t\n"
      "yIH\tnoun\ttribble\t\t\n",
      lex, error);
  EXPECT_TRUE(ok) << error;
  return lex;
}
