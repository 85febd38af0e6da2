// Noun records: what the driver does not show. Readings are in fixtures/.
#include <gtest/gtest.h>

#include "morphan/parsednoun.h"
#include "test_support.h"

namespace {

// A fresh analysis of `word` on `entry`.
struct Reading {
  Reading(const std::string& word, const CKWord& entry) {
    noun.Clear();
    ok = noun.Parse(word, entry);
  }
  CParsedNoun noun;
  int ok;
};

TEST(NounRecord, KlingonSpellingInTypeOrder) {
  const CKWord ship = Entry("Duj", kPosNoun, "ship");
  EXPECT_EQ(Reading("DujDaqmey", ship).noun.ToStringKlingon(), "DujmeyDaq");
  // Both corrections as offered; the driver later drops the first, which is
  // still out of order.
  Reading three("DujDaqwIjmey", ship);
  EXPECT_EQ(three.noun.m_lstSuggestions, (CStringList{"DujwIjDaqmey", "DujmeywIjDaq"}));
  EXPECT_EQ(three.noun.ToStringKlingon(), "DujmeywIjDaq");
  CKWord klingon = Entry("tlhIngan", kPosNoun, "Klingon");
  klingon.m_bBeing = 1;
  // The marker on the type 2 slot stays out of the Klingon spelling.
  Reading scattered("tlhInganmeywIj", klingon);
  EXPECT_EQ(scattered.noun.m_strSuffix2, "mey (scattered about)");
  EXPECT_EQ(scattered.noun.ToStringKlingon(), "tlhInganmeywIj");
  EXPECT_EQ(Reading("Dujvo'", ship).noun.m_strSuffix5, "vo'");
  EXPECT_EQ(Reading("Duj", Entry("Duj", kPosVerb, "ship")).ok, 0);
  EXPECT_EQ(CParsedNoun().TS("bogus"), "bogus");
}

TEST(NounRecord, PlaceNounsRefuseDaq) {
  const std::string msg = "The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.";
  for (const CKWord& place : {Entry("pa'", kPosNoun, "there, over there, thereabouts"),
                              Entry("naDev", kPosNoun, "here, hereabouts"),
                              Entry("Dat", kPosNoun, "everywhere")}) {
    Reading r(place.m_strWord + "Daq", place);
    EXPECT_EQ(r.ok, 0) << place.m_strWord;
    EXPECT_EQ(r.noun.m_lstErrors, CStringList{msg});
    EXPECT_EQ(r.noun.m_lstSuggestions, CStringList{place.m_strWord});
  }
}

}  // namespace
