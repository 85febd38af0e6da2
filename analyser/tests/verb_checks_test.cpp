// The verb grammar checks: each one firing and not firing, with its message,
// factor and suggested words.
#include <gtest/gtest.h>

#include <vector>

#include "morphan/klingonparser.h"
#include "morphan/parsedverb.h"
#include "wordbank/klex.h"

namespace {

CKWord Entry(const std::string& w, int32_t pos, const std::string& def, int stative = 0) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bStative = stative;
  return k;
}

const CKWord kLegh = Entry("legh", kPosVerb, "see");
const CKWord kTIn = Entry("tIn", kPosVerb, "be big", 1);

struct Outcome {
  int ok = 0;
  double score = 0;
  std::vector<std::string> errors;
  std::vector<std::string> suggestions;
  std::string suffix1, suffix4;
};

Outcome Check(const std::string& word, const CKWord& entry = kLegh) {
  CParsedVerb v;
  v.Clear();
  Outcome o;
  o.ok = v.Parse(word, entry);
  o.score = v.m_dScore;
  o.errors.assign(v.m_lstErrors.begin(), v.m_lstErrors.end());
  o.suggestions.assign(v.m_lstSuggestions.begin(), v.m_lstSuggestions.end());
  o.suffix1 = v.m_strSuffix[0];
  o.suffix4 = v.m_strSuffix[3];
  return o;
}

using Strings = std::vector<std::string>;

// A reading with exactly one fault.
void ExpectFault(const std::string& word, const std::string& message, double factor,
                 const Strings& suggestions, const CKWord& entry = kLegh) {
  SCOPED_TRACE(word);
  const Outcome o = Check(word, entry);
  ASSERT_EQ(o.ok, 1);
  EXPECT_EQ(o.errors, Strings{message});
  EXPECT_EQ(o.score, 1.0 / factor);
  EXPECT_EQ(o.suggestions, suggestions);
}

void ExpectClean(const std::string& word, const CKWord& entry = kLegh) {
  SCOPED_TRACE(word);
  const Outcome o = Check(word, entry);
  ASSERT_EQ(o.ok, 1);
  EXPECT_EQ(o.errors, Strings{});
  EXPECT_EQ(o.suggestions, Strings{});
  EXPECT_EQ(o.score, 1.0);
}

}  // namespace

TEST(VerbChecks, SameTypeTwice) {
  ExpectFault("leghpu'taH",
              "The verb suffixes {pu'} and {taH} are both type 7, and cannot both be on a verb at the "
              "same time.",
              8, {"leghtaH", "leghpu'"});
  // What stands before the type is kept in both.
  ExpectFault("vIleghlaHpu'taHvIS",
              "The verb suffixes {pu'} and {taH} are both type 7, and cannot both be on a verb at the "
              "same time.",
              8, {"vIleghlaHtaHvIS", "vIleghlaHpu'vIS"});
  // The same type twice is not also reported as out of order.
  EXPECT_EQ(Check("leghnISqang").errors.size(), 1u);
}

TEST(VerbChecks, WrongOrder) {
  ExpectFault("leghpu'laH", "The verb suffix {laH} is type 5, and must precede {pu'} which is type 7.", 2,
              {"leghlaHpu'"});
  // Every other suffix stays where it belongs.
  ExpectFault("leghlaHpu'moH", "The verb suffix {moH} is type 4, and must precede {pu'} which is type 7.",
              2, {"leghmoHlaHpu'"});
  ExpectFault("legh'a'pu'", "The verb suffix {pu'} is type 7, and must precede {'a'} which is type 9.", 2,
              {"leghpu''a'"});
  ExpectClean("leghlaHpu'");
  // Rovers do not count as a previous suffix.
  ExpectClean("leghpu'be'neS");
}

TEST(VerbChecks, NegationAfterTypedSuffix) {
  ExpectFault("leghpu'Ha'", "The verb suffix {-Ha'} must follow the verb root, see TKD 4.3, p. 48.", 2,
              {"leghHa'pu'"});
  ExpectFault("vIleghnISpu'Ha'neS", "The verb suffix {-Ha'} must follow the verb root, see TKD 4.3, p. 48.",
              2, {"vIleghHa'nISpu'neS"});
  ExpectClean("leghHa'pu'");
}

TEST(VerbChecks, RefusalPlacement) {
  ExpectFault("leghjajQo'", "The verb suffix {-Qo'} must come before a VS9, see TKD 4.3.", 2,
              {"leghQo'jaj"});
  ExpectClean("leghQo'jaj");
  ExpectClean("leghpu'Qo'");
  // A typed suffix after -Qo': the rebuilt chain carries the -Qo' once.
  ExpectFault("leghQo'laH", "The verb suffix {-Qo'} must come after {-laH}.", 2, {"leghlaHQo'"});
  ExpectFault("leghQo'neS", "The verb suffix {-Qo'} must come after {-neS}.", 2, {"leghneSQo'"});
}

TEST(VerbChecks, TabooWithFirstPerson) {
  const std::string msg = "It is culturally taboo to use {-vIp} with a 1st person prefix [TKD 4.2.2 p. 37].";
  ExpectFault("jIleghvIp", msg, 1.5, {"jIlegh"});
  ExpectFault("vIleghvIppu'", msg, 1.5, {"vIleghpu'"});
  ExpectClean("bIleghvIp");
  ExpectClean("leghvIp");
}

TEST(VerbChecks, Slang) {
  ExpectFault("leghla'", "The suffix {-la'} is slang, so should be avoided for proper usage.", 1.5,
              {"leghlu'", "leghlaH"});
  ExpectFault("leghluHpu'", "The suffix {-luH} is slang, so should be avoided for proper usage.", 1.5,
              {"leghlu'pu'", "leghlaHpu'"});
}

TEST(VerbChecks, ReflexiveWithObjectPrefix) {
  const std::string msg = "Verb suffix {-'egh} requires a verb prefix with no object.";
  ExpectFault("vIlegh'egh", msg, 3, {"jIlegh'egh"});
  ExpectFault("tIlegh'egh", msg, 3, {"yIlegh'egh"});   // imperatives map to yI
  ExpectFault("lulegh'egh", msg, 3, {"legh'egh"});     // no counterpart: no prefix
  ExpectClean("vIlegh'eghmoH");                        // causative clears it
  ExpectClean("jIlegh'egh");
  ExpectClean("legh'egh");
  // -chuq: its own message, and the reflexive one with "-'egh" all the same.
  const Outcome o = Check("DIleghchuq");
  EXPECT_EQ(o.errors, (Strings{"Verb suffix {chuq} requires a plural verb prefix with no object.", msg}));
  EXPECT_EQ(o.score, 1.0 / 3 / 3);
  EXPECT_EQ(o.suggestions, (Strings{"DIlegh", "maleghchuq", "maleghchuq"}));
}

TEST(VerbChecks, ChuqNeedsPluralNoObject) {
  const std::string msg = "Verb suffix {chuq} requires a plural verb prefix with no object.";
  ExpectFault("bIleghchuqpu'", msg, 3, {"bIleghpu'", "Suleghchuqpu'"});
  ExpectClean("maleghchuq");
  ExpectClean("peleghchuq");
  ExpectClean("leghchuq");
  // "lu" loses its prefix, anything else not listed becomes "ma".
  EXPECT_EQ(Check("jIleghchuq").suggestions, (Strings{"jIlegh", "maleghchuq"}));
  EXPECT_EQ(Check("HIleghchuq").suggestions[1], "peleghchuq");
}

TEST(VerbChecks, IndefiniteSubjectNeedsObjectPrefix) {
  const std::string msg = "Verb suffix {-lu'} requires a verb prefix with an object.";
  ExpectFault("jIleghlu'", msg, 3, {"jIlegh", "vIleghlu'"});
  ExpectFault("SuleghnISlu'pu'", msg, 3, {"SuleghnISpu'", "boleghnISlu'pu'"});
  ExpectClean("leghlu'");
  ExpectClean("yIleghlu'");
  ExpectClean("vIleghlu'");
}

TEST(VerbChecks, StativeCausativeNeedsObject) {
  const std::string msg = "Stative verbs with {-moH} require prefixes with an object, unless they are reflexive.";
  ExpectFault("jItInmoH", msg, 2, {"jItIn", "vItInmoH"}, kTIn);
  ExpectFault("petInmoHpu'", msg, 2, {"petInpu'", "yItInmoHpu'"}, kTIn);
  ExpectClean("vItInmoH", kTIn);
  ExpectClean("jIleghmoH");           // not stative
  ExpectClean("jItIn'eghmoH", kTIn);  // reflexive
}

TEST(VerbChecks, WhileNeedsOngoing) {
  const std::string msg = "VS9 {-vIS} requires VS7 {-taH}";
  ExpectFault("leghvIS", msg, 2, {"leghtaHvIS"});
  ExpectFault("leghpu'vIS", msg, 2, {"leghtaHvIS"});
  ExpectFault("leghlaHneSvIS", msg, 2, {"leghlaHtaHneSvIS"});
  ExpectClean("leghtaHvIS");
}

TEST(VerbChecks, GhachNeedsInterveningSuffix) {
  ExpectFault("leghghach", "VS9 {-ghach} requires an intervening suffix.", 2, {"leghtaHghach"});
  ExpectClean("leghpu'ghach");
  ExpectClean("legh'eghghach");
  // Rovers do not count.
  EXPECT_EQ(Check("leghbe'ghach").errors.size(), 1u);
}

TEST(VerbChecks, StativeReflexive) {
  const std::string msg = "Stative verbs cannot take a reflexive suffix, unless they have {-moH}.";
  const Outcome o = Check("tIn'egh", kTIn);
  ASSERT_EQ(o.ok, 1);
  EXPECT_EQ(o.errors, Strings{msg});
  EXPECT_EQ(o.score, 0.5);
  EXPECT_EQ(o.suggestions, (Strings{"tIn'eghmoH", "tIn"}));
  EXPECT_EQ(o.suffix1, "'egh");  // the record keeps its reflexive
  EXPECT_EQ(o.suffix4, "");
  ExpectClean("tIn'eghmoH", kTIn);

  // -moH in front of the reflexive: the order fault, the stative one, and the
  // record still carries its -moH.
  const Outcome m = Check("tInmoH'egh", kTIn);
  EXPECT_EQ(m.errors,
            (Strings{"The verb suffix {'egh} is type 1, and must precede {moH} which is type 4.", msg}));
  EXPECT_EQ(m.suggestions, (Strings{"tIn'eghmoH", "tIn'eghmoH", "tInmoH"}));
  EXPECT_EQ(m.suffix4, "moH");
  EXPECT_EQ(m.suffix1, "'egh");
}

TEST(VerbChecks, ImperativeRestrictions) {
  ExpectFault("yIleghjaj", "The suffix {-jaj} cannot be used on imperative verbs.", 3, {"yIlegh"});
  ExpectClean("leghjaj");
  const std::string be = "The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} instead.";
  ExpectFault("yIleghbe'", be, 4, {"yIleghQo'"});
  ExpectFault("peleghbe'qu'", be, 4, {"peleghQo'qu'"});
  ExpectFault("HIleghqu'be'", be, 4, {"HIleghqu'Qo'"});
  // The be' is replaced, not kept next to the new Qo'.
  ExpectFault("yIleghpu'be'", be, 4, {"yIleghpu'Qo'"});
  ExpectFault("tIleghneSbe'", be, 4, {"tIleghneSQo'"});
  ExpectClean("bIleghbe'");
  ExpectClean("yIleghQo'");
}

TEST(VerbChecks, StativeWithObjectPrefix) {
  const std::string msg = "Stative verbs without {-moH} require a no-object prefix.";
  ExpectFault("vItIn", msg, 2, {"jItIn"}, kTIn);
  ExpectFault("lItInpu'", msg, 2, {"tInpu'"}, kTIn);
  ExpectFault("HItIn", msg, 2, {"tIn"}, kTIn);  // no imperative mapping here
  ExpectClean("jItIn", kTIn);
  ExpectClean("yItIn", kTIn);
  ExpectClean("tIn", kTIn);
  ExpectClean("vIlegh");
  // Only a prefixed reading that succeeds is checked.
  EXPECT_EQ(Check("vItInx", kTIn).ok, 0);
}

TEST(VerbChecks, FaultsCompoundInWordOrder) {
  const Outcome o = Check("jIleghvIpla'");
  ASSERT_EQ(o.ok, 1);
  ASSERT_EQ(o.errors.size(), 2u);
  EXPECT_EQ(o.errors[0].rfind("It is culturally taboo", 0), 0u);
  EXPECT_EQ(o.errors[1], "The suffix {-la'} is slang, so should be avoided for proper usage.");
  EXPECT_EQ(o.score, 1.0 / 1.5 / 1.5);
  EXPECT_EQ(o.suggestions, (Strings{"jIleghla'", "jIleghvIplu'", "jIleghvIplaH"}));
}

// Through the driver: suggestions that are themselves faulty give way to
// their own suggestions, and imperative chains end.
TEST(VerbChecks, SuggestionsThroughTheParser) {
  CKLex lex;
  lex.Add(kLegh);
  lex.Add(kTIn);
  CKlingonParser parser;
  parser.m_pLexicon = &lex;

  std::vector<CParseResult> results;
  ASSERT_EQ(parser.ParseWord("yIleghpu'be'", results), 1);
  EXPECT_EQ(results[0].m_lstSuggestions, (CStringList{"yIleghpu'Qo'"}));

  // leghpu'taH suggests leghtaH and leghpu', both flawless.
  results.clear();
  ASSERT_EQ(parser.ParseWord("leghpu'taH", results), 1);
  EXPECT_EQ(results[0].m_lstSuggestions, (CStringList{"leghtaH", "leghpu'"}));

  // vItIn'egh: the reflexive suggestion jItIn'egh is itself faulty and gives
  // way to its own suggestions.
  results.clear();
  ASSERT_EQ(parser.ParseWord("vItIn'egh", results), 1);
  for (const auto& s : results[0].m_lstSuggestions) {
    std::vector<CParseResult> again;
    CKlingonParser p2;
    p2.m_pLexicon = &lex;
    ASSERT_GT(p2.ParseWord(s, again), 0) << s;
    EXPECT_EQ(again[0].m_dScore, 1.0) << s;
  }

  for (const char* w : {"vItInluH", "yIleghneSQo'be'", "yIleghQo'be'neS", "peleghbe'Qo'neSbe'", "yIleghQo'be'qu'neSbe'"}) {
    results.clear();
    parser.ParseWord(w, results);
    EXPECT_LT(parser.SuggestionAnalyses(), 200) << w;
  }
}
