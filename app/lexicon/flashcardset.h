#pragma once
// Choosing the entries of a flashcard drill.
#include <array>

#include "wordbank/klex.h"

// The word types of the drill, in the order the setup dialog lists them.
enum FlashType {
  kFlashNounGeneral,
  kFlashNounBodyPart,
  kFlashNounBeing,
  kFlashVerbStative,
  kFlashVerbOther,
  kFlashPronoun,
  kFlashAdverb,
  kFlashNumber,
  kFlashConj,
  kFlashExcl,
  kFlashQues,
  kFlashTypeCount
};
using FlashTypeSet = std::array<bool, kFlashTypeCount>;

// Up to `size` entries of the selected types with the lowest scores, each
// under its lexicon key, lowest score first; among equal scores the
// lexicon's order. Excluded entries never take part; size <= 0 gives none.
CKLex BuildTestSet(const CKLex& lex, const FlashTypeSet& types, int size);

// Stores every entry of the drilled set that differs from the lexicon's back
// under its key; returns whether anything changed.
bool WriteBackTestSet(const CKLex& testSet, CKLex& lex);
