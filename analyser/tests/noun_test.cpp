// Noun readings: suffix order, the property checks and the renderings.
#include <gtest/gtest.h>

#include "morphan/klingonparser.h"
#include "morphan/parsednoun.h"

namespace {

enum Props { kBeing = 1, kBody = 2, kPlural = 4, kIrregular = 8 };

CKWord Noun(const std::string& w, const std::string& def, int props = 0,
            const std::string& form = "") {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = kPosNoun;
  k.m_strDefinition = def;
  k.m_bBeing = (props & kBeing) != 0;
  k.m_bBodyPart = (props & kBody) != 0;
  k.m_bInherentPlural = (props & kPlural) != 0;
  k.m_bIrregular = (props & kIrregular) != 0;
  k.m_strIrregularForm = form;
  return k;
}

const CKWord kShip = Noun("Duj", "ship");
const CKWord kKlingon = Noun("tlhIngan", "Klingon", kBeing);
const CKWord kHand = Noun("ghop", "hand", kBody);
const CKWord kThrusters = Noun("chuyDa'", "thrusters", kPlural);

// A fresh analysis of `word` on `entry`.
struct Reading {
  Reading(const std::string& word, const CKWord& entry) {
    noun.Clear();
    ok = noun.Parse(word, entry);
  }
  CParsedNoun noun;
  int ok;
  const CStringList& errors() const { return noun.m_lstErrors; }
  const CStringList& suggestions() const { return noun.m_lstSuggestions; }
};

}  // namespace

TEST(NounParse, RootsAndEndings) {
  Reading bare("Duj", kShip);
  EXPECT_EQ(bare.ok, 1);
  EXPECT_EQ(bare.noun.m_dScore, 1.0);
  EXPECT_TRUE(bare.errors().empty() && bare.suggestions().empty());
  EXPECT_EQ(bare.noun.m_strRoot, "Duj");
  EXPECT_EQ(bare.noun.m_nPosCode, kPosNoun);

  EXPECT_EQ(Reading("DujDaq", kShip).ok, 1);
  EXPECT_EQ(Reading("Dujvo'", kShip).noun.m_strSuffix5, "vo'");
  EXPECT_EQ(Reading("Dujqa", kShip).ok, 0);      // qa is no suffix
  EXPECT_EQ(Reading("DujDaqqa", kShip).ok, 0);   // nor is a tail after suffixes
  EXPECT_EQ(Reading("jDuj", kShip).ok, 0);       // the root must come first
  EXPECT_EQ(Reading("Du", kShip).ok, 0);

  CKWord pronoun = Noun("maH", "we, us");
  pronoun.m_nPos = kPosPronoun;
  EXPECT_EQ(Reading("maHvaD", pronoun).ok, 1);
  CKWord verb = Noun("Duj", "ship");
  verb.m_nPos = kPosVerb;
  EXPECT_EQ(Reading("Duj", verb).ok, 0);
}

TEST(NounParse, SameTypeTwice) {
  Reading r("tlhInganpu'meyvaD", kKlingon);
  EXPECT_EQ(r.ok, 1);
  EXPECT_EQ(r.noun.m_dScore, 1.0 / 8);
  EXPECT_EQ(r.errors(), CStringList{"The noun suffixs {pu'} and {mey} are both type 2, and cannot "
                                    "both be on a noun at the same time."});
  EXPECT_EQ(r.suggestions(), (CStringList{"tlhInganpu'vaD", "tlhInganmeyvaD"}));
  EXPECT_EQ(r.noun.m_strSuffix2, "mey (scattered about)");  // the later one wins

  // The lower slots stay in both suggestions.
  Reading lower("DujHom'a'", kShip);
  EXPECT_EQ(lower.suggestions(), (CStringList{"DujHom", "Duj'a'"}));
  Reading upper("DujwIjmaj", kShip);
  EXPECT_EQ(upper.suggestions(), (CStringList{"DujwIj", "Dujmaj"}));
}

TEST(NounParse, TypesOutOfOrder) {
  Reading r("DujDaqmey", kShip);
  EXPECT_EQ(r.ok, 1);
  EXPECT_EQ(r.noun.m_dScore, 0.5);
  EXPECT_EQ(r.errors(),
            CStringList{"The noun suffix {mey} is type 2, and must precede {Daq} which is type 5."});
  EXPECT_EQ(r.suggestions(), CStringList{"DujmeyDaq"});
  EXPECT_EQ(r.noun.ToStringKlingon(), "DujmeyDaq");

  // The rescan starts at row 1, so a late 'a' is found and reported.
  Reading late("Dujmey'a'", kShip);
  EXPECT_EQ(late.ok, 1);
  EXPECT_EQ(late.suggestions(), CStringList{"Duj'a'mey"});
  EXPECT_EQ(late.noun.m_strSuffix1, "'a'");

  // Every suffix already found keeps its place in the correction.
  Reading three("DujDaqwIjmey", kShip);
  EXPECT_EQ(three.noun.m_dScore, 0.25);
  EXPECT_EQ(three.suggestions(), (CStringList{"DujwIjDaqmey", "DujmeywIjDaq"}));
  EXPECT_EQ(three.noun.ToStringKlingon(), "DujmeywIjDaq");
  EXPECT_EQ(three.noun.ToString(), "in my ship (pl)");
}

TEST(NounParse, PluralProperties) {
  // Du' on a non-body-part: the plural that fits the noun is suggested.
  Reading ship("DujDu'", kShip);
  EXPECT_EQ(ship.noun.m_dScore, 0.5);
  EXPECT_EQ(ship.errors(), CStringList{"Body-part suffix {-Du'} on non-body-part noun {Duj}"});
  EXPECT_EQ(ship.suggestions(), CStringList{"Dujmey"});
  EXPECT_EQ(Reading("tlhInganHomDu'vaD", kKlingon).suggestions(),
            CStringList{"tlhInganHompu'vaD"});
  EXPECT_TRUE(Reading("ghopDu'", kHand).errors().empty());

  // pu' on a non-being.
  Reading pu("Dujpu'", kShip);
  EXPECT_EQ(pu.noun.m_dScore, 0.5);
  EXPECT_EQ(pu.errors(), CStringList{"Plural suffix {-pu'} is for beings capable of language."});
  EXPECT_EQ(pu.suggestions(), CStringList{"Dujmey"});
  EXPECT_EQ(Reading("ghoppu'", kHand).suggestions(), CStringList{"ghopDu'"});

  // Inherently plural: no other plural is offered, and the factors compound.
  Reading ip("chuyDa'pu'", kThrusters);
  EXPECT_EQ(ip.noun.m_dScore, 1.0 / 8);
  EXPECT_EQ(ip.errors(), (CStringList{"Plural suffix {-pu'} is for beings capable of language.",
                                      "Cannot use plural suffix on inherently plural noun."}));
  EXPECT_EQ(ip.suggestions(), CStringList{"chuyDa'"});
  Reading ipDu("chuyDa'Du'vaD", kThrusters);
  EXPECT_EQ(ipDu.noun.m_dScore, 1.0 / 8);
  EXPECT_EQ(ipDu.suggestions(), CStringList{"chuyDa'vaD"});
  Reading ipMey("chuyDa'meyvaD", kThrusters);
  EXPECT_EQ(ipMey.noun.m_dScore, 0.25);
  EXPECT_EQ(ipMey.errors(), CStringList{"Cannot use plural suffix on inherently plural noun."});

  // Irregular plurals, with and without the known form.
  const CKWord person = Noun("ghot", "person", kBeing | kIrregular);
  Reading unknown("ghotpu'", person);
  EXPECT_EQ(unknown.noun.m_dScore, 0.5);
  EXPECT_EQ(unknown.errors(),
            CStringList{"This word has an irregular plural form, but I don't know what it is."});
  EXPECT_TRUE(unknown.suggestions().empty());
  const CKWord body = Noun("jIb", "hair", kBeing | kIrregular, "jIbbe'");
  Reading known("jIb'a'pu'vaD", body);
  EXPECT_EQ(known.errors(), CStringList{"Irregular plural: use {jIbbe'}."});
  EXPECT_EQ(known.suggestions(), CStringList{"jIbbe''a'vaD"});
  // An irregular singular of an inherently plural noun is not a plural fault.
  const CKWord people = Noun("ghotpu", "people", kPlural | kIrregular, "x");
  EXPECT_EQ(Reading("ghotpumey", people).errors(),
            CStringList{"Cannot use plural suffix on inherently plural noun."});
}

TEST(NounParse, PossessivesAndBeings) {
  Reading mine("DujHommeywI'vaD", kShip);
  EXPECT_EQ(mine.noun.m_dScore, 0.5);
  EXPECT_EQ(mine.errors(),
            CStringList{"The possessive suffix {wI'} is for beings capable of language."});
  EXPECT_EQ(mine.suggestions(), CStringList{"DujHommeywIjvaD"});
  for (auto [being, other] : {std::pair{"ma'", "maj"}, {"lI'", "lIj"}, {"ra'", "raj"}})
    EXPECT_EQ(Reading(std::string("Duj") + being, kShip).suggestions(),
              CStringList{std::string("Duj") + other});

  const std::string insult = "Insult: Non-language suffix on being capable of language.";
  Reading wIj("tlhInganwIj", kKlingon);
  EXPECT_EQ(wIj.noun.m_dScore, 1.0);  // a message, but no lower score
  EXPECT_EQ(wIj.errors(), CStringList{insult});
  EXPECT_EQ(wIj.suggestions(), CStringList{"tlhInganwI'"});
  EXPECT_EQ(Reading("tlhInganraj", kKlingon).suggestions(), CStringList{"tlhInganra'"});
  Reading his("tlhInganDaj", kKlingon);
  EXPECT_EQ(his.errors(), CStringList{insult});
  EXPECT_TRUE(his.suggestions().empty());
  EXPECT_EQ(Reading("tlhInganchaj", kKlingon).errors(), CStringList{insult});
  for (const char* fine : {"wI'", "ma'", "lI'", "ra'", "vam", "vetlh"})
    EXPECT_TRUE(Reading(std::string("tlhIngan") + fine, kKlingon).errors().empty()) << fine;

  // The marker on the type 2 slot never reaches a suggestion.
  Reading scattered("tlhInganmeywIj", kKlingon);
  EXPECT_EQ(scattered.noun.m_strSuffix2, "mey (scattered about)");
  EXPECT_EQ(scattered.suggestions(), CStringList{"tlhInganmeywI'"});
  EXPECT_EQ(scattered.noun.ToStringKlingon(), "tlhInganmeywIj");
  EXPECT_EQ(Reading("tlhInganDaqmey", kKlingon).suggestions(), CStringList{"tlhInganmeyDaq"});
}

TEST(NounParse, BodyParts) {
  Reading hands("ghopmeyDaq", kHand);
  EXPECT_EQ(hands.noun.m_dScore, 0.5);
  EXPECT_EQ(hands.errors(), CStringList{"Poetic usage: {-mey} on body part noun."});
  EXPECT_EQ(hands.suggestions(), CStringList{"ghopDu'Daq"});
  EXPECT_EQ(hands.noun.m_strSuffix2, "mey (scattered about)");
  EXPECT_EQ(hands.noun.ToString(), "in hand mey (scattered about)");
  EXPECT_EQ(Reading("Dujmey", kShip).noun.m_strSuffix2, "mey");
}

TEST(NounParse, PlaceNounsRefuseDaq) {
  const std::string msg = "The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.";
  const std::pair<CKWord, std::string> places[] = {
      {Noun("pa'", "there, over there, thereabouts"), "pa'"},
      {Noun("naDev", "here, hereabouts"), "naDev"},
      {Noun("Dat", "everywhere"), "Dat"},
  };
  for (const auto& [entry, bare] : places) {
    Reading r(entry.m_strWord + "Daq", entry);
    EXPECT_EQ(r.ok, 0) << bare;
    EXPECT_EQ(r.errors(), CStringList{msg});
    EXPECT_EQ(r.suggestions(), CStringList{bare});
    EXPECT_EQ(Reading(entry.m_strWord + "vo'", entry).ok, 1);
  }
  EXPECT_EQ(Reading("DatDaqvo'", places[2].first).ok, 0);
  EXPECT_EQ(Reading("naDevDaq", Noun("naDev", "here")).ok, 1);  // exact definition only
}

TEST(NounRender, GlossOrder) {
  EXPECT_EQ(Reading("Duj", kShip).noun.ToString(), "ship");
  EXPECT_EQ(Reading("DujDaq", kShip).noun.ToString(), "in ship");
  EXPECT_EQ(Reading("tlhInganpu'wI'vaD", kKlingon).noun.ToString(), "for my Klingon (pl)");
  EXPECT_EQ(Reading("Duj'a'meyvam", kShip).noun.ToString(), "these major ship (pl)");
  EXPECT_EQ(Reading("DujoyHeywIjmo'", kShip).noun.ToString(), "due to my apparent dear ship");
  EXPECT_EQ(Reading("DujvetlhDaq", kShip).noun.ToString(), "in that ship");
  EXPECT_EQ(Reading("Dujmeyvetlh", kShip).noun.ToString(), "those ship (pl)");
  EXPECT_EQ(Reading("ghopDu'vetlh", kHand).noun.ToString(), "those hand (pl)");
  EXPECT_EQ(Reading("tlhInganpu'vam", kKlingon).noun.ToString(), "these Klingon (pl)");
  EXPECT_EQ(Reading("tlhInganmeyvetlh", kKlingon).noun.ToString(),
            "those Klingon mey (scattered about)");

  CParsedNoun n;
  EXPECT_EQ(n.TS("vam"), "this");
  EXPECT_EQ(n.TS("'e'"), "(top)");
  EXPECT_EQ(n.TS("bogus"), "bogus");
  n.m_strSuffix2 = "Du'";
  EXPECT_EQ(n.TS("vetlh"), "those");
  EXPECT_EQ(n.TS("wIj"), "my");
}

TEST(NounRender, ThroughTheDriver) {
  CKLex lex;
  lex.Add(kKlingon);
  CKWord pronoun = Noun("jIH", "I, me");
  pronoun.m_nPos = kPosPronoun;
  lex.Add(pronoun);
  CKlingonParser parser;
  parser.m_pLexicon = &lex;

  std::vector<CParseResult> r;
  ASSERT_EQ(parser.ParseWord("tlhInganwI'vaD", r), 1);
  EXPECT_EQ(r[0].m_strPos, "N");
  EXPECT_EQ(r[0].m_strGloss, "for my Klingon");
  EXPECT_EQ(r[0].m_strKey, "tlhIngan");

  r.clear();
  ASSERT_GE(parser.ParseWord("jIHvaD", r), 1);
  EXPECT_EQ(r[0].m_strPos, "N");  // a pronoun read as a noun
  EXPECT_EQ(r[0].m_strGloss, "for I, me");
}
