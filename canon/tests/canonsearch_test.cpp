#include "canon/canonsearch.h"

#include <gtest/gtest.h>

#include "canon/entrydb.h"

TEST(CanonSearch, WholeWordsAndWordsInsideInflectedOnes) {
  const struct {
    const char* text;
    const char* word;
    bool inside, whole;
  } cases[] = {
      {"Soj vISop.", "Sop", true, false},
      {"Soj vISop.", "vISop", true, true},
      {"Sop!", "Sop", true, true},
      {"Soj vISop.", "sop", false, false},                     // s and S differ
      {"Heghlu'meH QaQ jajvam", "Heghlu'meH", true, true},
      {"Heghlu'meH QaQ jajvam", "Heghlu", true, false},       // ' is a letter
      {"Heghlu\xE2\x80\x99meH QaQ", "Heghlu'meH", true, true},  // typographic apostrophe
      {"Heghlu'meH QaQ jajvam", "QaQ jajvam", true, true},
      {"Heghlu'meH QaQ jajvam", " QaQ ", true, true},
      {"Heghlu'meH QaQ jajvam", "", false, false},
      {"Heghlu'meH QaQ jajvam", "  ", false, false},
      {"QaQ, QaQ'a'", "QaQ'a'", true, true},
      {"bIQ'a'", "bIQ", true, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CanonTextHas(c.text, c.word, CanonMatch::kInsideWord), c.inside) << c.text << " / " << c.word;
    EXPECT_EQ(CanonTextHas(c.text, c.word, CanonMatch::kWholeWord), c.whole) << c.text << " / " << c.word;
  }
  CEntryDB db;
  db.Add({"Soj vISop.", "I eat food.", "a"});
  db.Add({"bIQ vItlhutlh.", "I drink water.", "b"});
  db.Add({"Sop!", "Eat!", "c"});
  EXPECT_EQ(SearchCanon(db, "Sop", CanonMatch::kInsideWord), (std::vector<size_t>{0, 2}));
  EXPECT_EQ(SearchCanon(db, "Sop", CanonMatch::kWholeWord), (std::vector<size_t>{2}));
  db.RemoveAt(0);
  db.RemoveAt(7);
  db.SetAt(0, {"Sop vIneH.", "I want to eat.", "d"});
  EXPECT_EQ(SearchCanon(db, "Sop", CanonMatch::kWholeWord), (std::vector<size_t>{0, 1}));
}
