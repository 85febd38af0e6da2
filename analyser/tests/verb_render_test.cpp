// English glosses of verb readings, the Klingon re-spelling and the rebuilt
// suffix string.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "verbrender_fixture.h"

namespace {

// The glosses a learner sees for the commonest shapes.
TEST(VerbGloss, PlainForms) {
  EXPECT_EQ(TestVerb("see").ToString(), "he/she/it/they see him/her/it/them");
  EXPECT_EQ(TestVerb("go", "bI").Suf("'a'").ToString(), "do you go?");
  EXPECT_EQ(TestVerb("go", "yI").Suf("Qo'").ToString(), "don't go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("be big").Stative().ToString(), "he/she/it/they is/are big");
  EXPECT_EQ(TestVerb("see", "vI").Suf("lu'").ToString(), "one see me");
  EXPECT_EQ(TestVerb("go", "jI").Suf("laH").ToString(), "I can go");
  EXPECT_EQ(TestVerb("see", "vI").ToString(), "I see him/her/it/them");
  EXPECT_EQ(TestVerb("be big").Stative().Suf("jaj").ToString(), "may he/she/it/they be big");
}

TEST(VerbGloss, NominalisedVerbHasNoSubject) {
  TestVerb v("teach");
  v.Suf("wI'");
  v.m_bNominalised = 1;
  EXPECT_EQ(v.ToString(), "one/thing which is/does teach him/her/it/them");
}

TEST(VerbGloss, Objects) {
  EXPECT_EQ(TestVerb("see", "ma").Suf("'egh").ToString(), "we see ourselves");
  EXPECT_EQ(TestVerb("see", "jI").Suf("'egh").ToString(), "I see myself");
  EXPECT_EQ(TestVerb("see", "Su").Suf("'egh").ToString(), "you(pl) see yourselves");
  EXPECT_EQ(TestVerb("see").Suf("'egh").ToString(), "he/she/it/they see him/her/itself");
  EXPECT_EQ(TestVerb("see", "ma").Suf("chuq").ToString(), "we see one another");
  // Indefinite subject: the prefix's subject becomes the object.
  EXPECT_EQ(TestVerb("see").Suf("lu'").ToString(), "one see him/her/it/them");
  EXPECT_EQ(TestVerb("see", "bI").Suf("lu'").ToString(), "one see you");
  EXPECT_EQ(TestVerb("see", "DI").Suf("lu'").ToString(), "one see us");
  // Slang forms read as -laH.
  EXPECT_EQ(TestVerb("see", "vI").Suf("la'").ToString(), "one can see me");
  EXPECT_EQ(TestVerb("see", "vI").Suf("luH").Suf("'a'").ToString(), "can one see me?");
  // A stative verb has no object unless it is made causative.
  EXPECT_EQ(TestVerb("be big").Stative().Suf("moH").ToString(),
            "he/she/it/they cause him/her/it/them to be big");
}

TEST(VerbGloss, NegationAndRovers) {
  EXPECT_EQ(TestVerb("see", "jI").Rover("be'", 0).ToString(), "I do not see");
  EXPECT_EQ(TestVerb("see", "jI").Rover("be'qu'", 0).ToString(), "I really do not see");
  EXPECT_EQ(TestVerb("see", "jI").Rover("qu'be'", 0).ToString(), "I do not really see");
  EXPECT_EQ(TestVerb("see", "jI").Rover("qu'", 0).ToString(), "I really see");
  EXPECT_EQ(TestVerb("see", "jI").Suf("Ha'").ToString(), "I mis-see");
  EXPECT_EQ(TestVerb("be big", "jI").Stative().Suf("Ha'").ToString(), "I am un-big");
  EXPECT_EQ(TestVerb("see", "vI").Suf("Qo'").ToString(), "I refuse to see him/her/it/them");
  EXPECT_EQ(TestVerb("see", "vI").Suf("pu'").Rover("be'", 8).ToString(),
            "I see (not completed) him/her/it/them");
}

// Question templates: ability x type 2 x type 4, each with and without choH.
TEST(VerbGlossQuestion, NoAbilityType2AndType4) {
  EXPECT_EQ(TestVerb("see", "vI").Suf("nIS").Suf("moH").Suf("'a'").ToString(),
            "do I cause him/her/it/them to need to see?");
  EXPECT_EQ(TestVerb("see", "vI").Suf("nIS").Suf("choH").Suf("moH").Suf("'a'").ToString(),
            "do I cause him/her/it/them to need to begin to see?");
  EXPECT_EQ(TestVerb("be big", "vI").Stative().Suf("nIS").Suf("moH").Suf("'a'").ToString(),
            "do I cause him/her/it/them to need to be big?");
  EXPECT_EQ(TestVerb("see", "vI").Suf("nIS").Suf("qa'").Suf("moH").Suf("'a'").ToString(),
            "do I cause him/her/it/them to need to see again?");
}

TEST(VerbGlossQuestion, NoAbilityType2Only) {
  // Any type 2 suffix but -nIS takes the "be" auxiliary.
  EXPECT_EQ(TestVerb("go", "jI").Suf("vIp").Suf("'a'").ToString(), "am I be afraid to go?");
  EXPECT_EQ(TestVerb("go", "jI").Suf("nIS").Suf("'a'").ToString(), "do I need to go?");
  // Without choH the aspect is rendered without its rovers.
  EXPECT_EQ(TestVerb("go", "jI").Suf("vIp").Suf("pu'").Rover("be'", 8).Suf("'a'").ToString(),
            "am I be afraid to go (completed)?");
  EXPECT_EQ(
      TestVerb("go", "jI").Suf("vIp").Suf("choH").Suf("pu'").Rover("be'", 8).Suf("'a'").ToString(),
      "am I be afraid to begin to go (not completed)?");
  EXPECT_EQ(TestVerb("be big").Stative().Suf("nIS").Suf("'a'").ToString(),
            "does/do he/she/it/they need to be big?");
  EXPECT_EQ(TestVerb("see", "vI").Suf("nIS").Suf("qa'").Suf("'a'").ToString(),
            "do I need to see him/her/it/them again?");
}

TEST(VerbGlossQuestion, NoAbilityType4Only) {
  EXPECT_EQ(TestVerb("see").Suf("moH").Suf("'a'").ToString(),
            "does/do he/she/it/they cause him/her/it/them to see?");
  EXPECT_EQ(TestVerb("see").Suf("choH").Suf("moH").Suf("'a'").ToString(),
            "does/do he/she/it/they cause him/her/it/them to begin to see?");
  EXPECT_EQ(TestVerb("see").Suf("qa'").Suf("moH").Suf("'a'").ToString(),
            "does/do he/she/it/they cause him/her/it/them to see again?");
  EXPECT_EQ(TestVerb("be big").Stative().Suf("moH").Suf("'a'").ToString(),
            "does/do he/she/it/they cause him/her/it/them to be big?");
}

TEST(VerbGlossQuestion, NoAbilityNoType2NoType4) {
  EXPECT_EQ(TestVerb("be big", "bI").Stative().Suf("'a'").ToString(), "are you big?");
  EXPECT_EQ(TestVerb("be big", "bI").Stative().Suf("choH").Suf("'a'").ToString(),
            "do you begin to be big?");
  EXPECT_EQ(TestVerb("see", "Da").Suf("choH").Suf("'a'").ToString(),
            "do you begin to see him/her/it/them?");
  EXPECT_EQ(TestVerb("see", "Da").Suf("Qo'").Suf("'a'").ToString(),
            "do you refuse to see him/her/it/them?");
  EXPECT_EQ(TestVerb("see", "Da").Suf("bej").Suf("taH").Suf("neS").Suf("'a'").ToString(),
            "do you certainly see (on-going) him/her/it/them , your honor?");
  // An imperative question gets no "!".
  EXPECT_EQ(TestVerb("go", "yI").Suf("'a'").ToString(),
            "do you(imp:sg/pl) go (no.object)/him/her/it?");
}

TEST(VerbGlossQuestion, Ability) {
  EXPECT_EQ(TestVerb("see", "vI").Suf("laH").Suf("moH").Suf("'a'").ToString(),
            "can I cause him/her/it/them to see?");
  EXPECT_EQ(TestVerb("see", "vI").Suf("choH").Suf("moH").Suf("laH").Suf("'a'").ToString(),
            "can I cause him/her/it/them to begin to see?");
  EXPECT_EQ(TestVerb("go", "jI").Suf("laH").Suf("'a'").ToString(), "can I go?");
  EXPECT_EQ(TestVerb("go", "jI").Suf("choH").Suf("laH").Suf("'a'").ToString(),
            "can I begin to go?");
  EXPECT_EQ(TestVerb("be big", "jI").Stative().Suf("laH").Suf("'a'").ToString(), "can I be big?");
  EXPECT_EQ(TestVerb("go", "jI").Suf("laH").Rover("be'", 6).Suf("'a'").ToString(), "cannot I go?");
}

// Statement templates: each family in the imperative and not, with and
// without choH.
TEST(VerbGlossStatement, Type4) {
  EXPECT_EQ(TestVerb("see", "vI").Suf("moH").ToString(), "I cause him/her/it/them to see");
  EXPECT_EQ(TestVerb("see", "vI").Suf("moH").Rover("be'", 5).ToString(),
            "I do not cause him/her/it/them to see");
  EXPECT_EQ(TestVerb("see", "vI").Suf("choH").Suf("moH").ToString(),
            "I cause him/her/it/them to begin to see");
  EXPECT_EQ(TestVerb("see", "vI").Suf("moH").Suf("chugh").ToString(),
            "if I cause him/her/it/them to see");
  EXPECT_EQ(TestVerb("see", "yI").Suf("moH").ToString(), "cause (no.object)/him/her/it to see!");
  EXPECT_EQ(TestVerb("see", "yI").Suf("choH").Suf("moH").ToString(),
            "cause (no.object)/him/her/it to begin to see!");
  EXPECT_EQ(TestVerb("see", "tI").Suf("moH").Rover("be'", 5).ToString(),
            "do not cause them to see!");
  EXPECT_EQ(TestVerb("be big", "vI").Stative().Suf("nIS").Suf("moH").ToString(),
            "I cause him/her/it/them to need to be big");
}

TEST(VerbGlossStatement, Type2) {
  EXPECT_EQ(TestVerb("go", "jI").Suf("vIp").ToString(), "I am afraid to go");
  EXPECT_EQ(TestVerb("go", "jI").Suf("nIS").ToString(), "I need to go");
  EXPECT_EQ(TestVerb("go", "jI").Suf("nIS").Rover("be'", 3).ToString(), "I do not need to go");
  EXPECT_EQ(TestVerb("go", "jI").Suf("vIp").Suf("choH").ToString(), "I am afraid to begin to go");
  EXPECT_EQ(TestVerb("go", "yI").Suf("vIp").ToString(), "be afraid to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("go", "yI").Suf("vIp").Suf("choH").ToString(),
            "be afraid to begin to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("be big").Stative().Suf("rup").ToString(),
            "he/she/it/they is/are ready to be big");
  EXPECT_EQ(TestVerb("see", "vI").Suf("rup").Suf("qa'").ToString(),
            "I am ready to see him/her/it/them again");
}

TEST(VerbGlossStatement, Plain) {
  EXPECT_EQ(TestVerb("see", "vI").Suf("choH").ToString(), "I begin to see him/her/it/them");
  EXPECT_EQ(TestVerb("see", "vI").Suf("choH").Rover("be'", 4).ToString(),
            "I do not begin to see him/her/it/them");
  EXPECT_EQ(TestVerb("be big", "jI").Stative().Suf("choH").ToString(), "I begin to be big");
  EXPECT_EQ(TestVerb("be big", "jI").Stative().Suf("qa'").ToString(), "I am big again");
  EXPECT_EQ(TestVerb("go", "yI").Suf("choH").ToString(), "begin to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("be big", "yI").Stative().ToString(), "be big (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("see", "vI").Suf("law'").Suf("lI'").Suf("neS").Suf("DI'").ToString(),
            "as soon as I apparently see (in-progress) him/her/it/them , your honor");
}

TEST(VerbGlossStatement, Ability) {
  EXPECT_EQ(TestVerb("see", "vI").Suf("moH").Suf("laH").Suf("Qo'").ToString(),
            "I can refuse to cause him/her/it/them to see");
  EXPECT_EQ(TestVerb("see", "vI").Suf("choH").Suf("moH").Suf("laH").ToString(),
            "I can cause him/her/it/them to begin to see");
  EXPECT_EQ(TestVerb("see", "yI").Suf("moH").Suf("laH").ToString(),
            "be able to cause (no.object)/him/her/it to see!");
  EXPECT_EQ(TestVerb("see", "yI").Suf("choH").Suf("moH").Suf("laH").ToString(),
            "be able to cause (no.object)/him/her/it to begin to see!");
  EXPECT_EQ(TestVerb("go", "yI").Suf("laH").ToString(), "be able to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("go", "yI").Suf("laH").Suf("Qo'").ToString(),
            "don't be able to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("go", "yI").Suf("choH").Suf("laH").ToString(),
            "be able to begin to go (no.object)/him/her/it!");
  EXPECT_EQ(TestVerb("go", "jI").Suf("laH").Rover("be'", 6).ToString(), "I cannot go");
  EXPECT_EQ(TestVerb("go", "jI").Suf("choH").Suf("laH").ToString(), "I can begin to go");
  EXPECT_EQ(TestVerb("be big", "jI").Stative().Suf("laH").ToString(), "I can be big");
}

TEST(VerbGloss, RenderingLeavesTheRecordAlone) {
  TestVerb v("be big", "bI");
  v.Stative().Suf("'a'");
  const std::string first = v.ToString();
  EXPECT_EQ(v.ToString(), first);
  EXPECT_EQ(v.m_strSuffix[8], "'a'");
  EXPECT_EQ(v.m_strDefinition, "be big");
  EXPECT_EQ(v.m_strSubject, "you ");
}

TEST(VerbPieces, TS) {
  TestVerb v("see");
  EXPECT_EQ(v.TS("be'qu'"), "really not ");
  EXPECT_EQ(v.TS("neS"), ", your honor");
  EXPECT_EQ(v.TS(""), "");
  EXPECT_EQ(v.TS("refuse to "), "refuse to ");
  EXPECT_EQ(v.TS("Be'"), "Be'");
}

TEST(VerbPieces, Aux) {
  const struct {
    const char* subject;
    const char* be;
    const char* doForm;
  } rows[] = {
      {"I ", "am ", "do "},
      {"he/she/it/they ", "is/are ", "does/do "},
      {"he/she/it ", "is ", "does "},
      {"he/she ", "is ", "does "},
      {"one ", "is ", "does "},
      {"it ", "is ", "does "},
      {"you ", "are ", "do "},
      {"you(pl) ", "are ", "do "},
      {"you (pl) ", "are ", "do "},
      {"", "are ", "do "},
  };
  for (const auto& row : rows) {
    TestVerb v("see");
    v.m_strSubject = row.subject;
    EXPECT_EQ(v.Aux(1), row.be) << row.subject;
    EXPECT_EQ(v.Aux(2), row.doForm) << row.subject;
    EXPECT_EQ(v.Aux(7), row.doForm) << row.subject;
  }
}

TEST(VerbPieces, RootAndNegRoot) {
  TestVerb a("see", "jI");
  a.Suf("Ha'").Rover("be'", 0).Rover("qu'", 0);
  EXPECT_EQ(a.Root(), "really not mis-see ");
  EXPECT_EQ(a.NegRoot(), "do not mis-see ");

  TestVerb b("see", "jI");
  b.Rover("be'qu'", 0);
  EXPECT_EQ(b.Root(), "really not see ");
  EXPECT_EQ(b.NegRoot(), "really do not see ");

  TestVerb c("big", "jI");
  c.Stative().Suf("Ha'").Rover("qu'be'", 0);
  EXPECT_EQ(c.Root(), "not really un-big ");
  EXPECT_EQ(c.NegRoot(), "do not really un-big ");

  TestVerb d("see", "jI");
  d.Rover("qu'", 0);
  EXPECT_EQ(d.Root(), "really see ");
  EXPECT_EQ(d.NegRoot(), "really see ");
  EXPECT_EQ(TestVerb("see").NegRoot(), "see ");
}

TEST(VerbPieces, SuffixPiecesByRover) {
  const char* rovers[] = {"be'qu'", "qu'be'", "be'", "qu'"};
  const struct {
    const char* suffix;
    int piece;
    const char* expected[5];  // by rover as above, then none
  } rows[] = {
      {"beH", 2, {"really am not ready to ", "am not really ready to ", "am not ready to ", "really ready to ", "am ready to "}},
      {"nIS", 2, {"really do not need to ", "do not really need to ", "do not need to ", "really need to ", "need to "}},
      {"choH", 3, {"really do not begin to ", "do not really begin to ", "do not begin to ", "really begin to ", "begin to "}},
      {"qa'", 3, {"really not again", "not really again", "not again", "really again", "again"}},
      {"moH", 4, {"really do not cause ", "do not really cause ", "do not cause ", "really cause ", "cause "}},
      {"laH", 5, {"really cannot ", "cannot really ", "cannot ", "really can ", "can "}},
      {"bej", 6, {"really not certainly ", "not very certainly ", "not certainly ", "very certainly ", "certainly "}},
      {"pu'", 7, {"(really not completed) ", "(not really completed) ", "(not completed) ", "(really completed) ", "(completed) "}},
  };
  for (const auto& row : rows) {
    for (int r = 0; r < 5; ++r) {
      TestVerb v("see", "jI");
      v.Suf(row.suffix);
      if (r < 4) v.Rover(rovers[r], row.piece + 1);
      std::string got;
      switch (row.piece) {
        case 2: got = v.VS2(1); break;
        case 3: got = v.VS3(1); break;
        case 4: got = v.VS4(1); break;
        case 5: got = v.VS5(); break;
        case 6: got = v.VS6(); break;
        case 7: got = v.VS7(); break;
      }
      EXPECT_EQ(got, row.expected[r]) << row.suffix << " rover " << r;
    }
  }
}

TEST(VerbPieces, AuxiliaryOnlyWhenAsked) {
  TestVerb v("see", "jI");
  v.Suf("vIp").Suf("moH");
  EXPECT_EQ(v.VS2(0), "be afraid to ");
  EXPECT_EQ(v.VS2(1), "am afraid to ");
  v.Rover("be'", 5);
  EXPECT_EQ(v.VS4(0), "not cause ");
  EXPECT_EQ(v.VS4(1), "do not cause ");
  // Empty slots render nothing, and -choH's auxiliary is its own.
  TestVerb e("see", "jI");
  EXPECT_EQ(e.VS2(0), "");
  EXPECT_EQ(e.VS3(1), "");
  EXPECT_EQ(e.VS4(1), "");
  EXPECT_EQ(e.VS6(), "");
  EXPECT_EQ(e.VS7(), "");
  e.Suf("qa'");
  EXPECT_EQ(e.VS3(1), "again");
}

TEST(VerbPieces, ImperativePieces) {
  TestVerb v("go", "yI");
  v.Suf("vIp").Suf("laH");
  EXPECT_EQ(v.VS2(1), "be afraid to ");
  // The imperative "be" stands even when no auxiliary was asked for.
  v.Rover("be'", 3);
  EXPECT_EQ(v.VS2(0), "be not be afraid to ");
  EXPECT_EQ(v.VS5(), "be able to ");
  const char* rovers[] = {"be'qu'", "qu'be'", "be'", "qu'"};
  const char* expected[] = {"really be unable to ", "be unable to really ", "be unable to ",
                            "really be able to "};
  for (int r = 0; r < 4; ++r) {
    TestVerb w("go", "pe");
    w.Suf("laH").Rover(rovers[r], 6);
    EXPECT_EQ(w.VS5(), expected[r]) << rovers[r];
  }
  TestVerb s("go", "jI");
  s.Suf("luH");
  EXPECT_EQ(s.VS5(), "can ");
}

TEST(VerbKlingon, TypedSuffixesOnly) {
  TestVerb v("see", "vI");
  v.Rover("be'", 0).Suf("Ha'").Suf("pu'").Rover("qu'", 8).Suf("Qo'").Suf("'a'");
  EXPECT_EQ(v.ToStringKlingon(), "vIleghpu''a'");
  EXPECT_EQ(TestVerb("see").ToStringKlingon(), "legh");
}

// The rebuilt suffix string, cut before each type.
TEST(VerbBuildSuffixes, EveryCut) {
  TestVerb v("see");
  v.Rover("be'qu'", 0).Rover("qu'", 0).Suf("'egh").Rover("be'", 2).Suf("nIS").Rover("qu'be'", 3);
  v.Suf("choH").Suf("moH").Rover("qu'", 5).Suf("laH").Suf("bej").Rover("be'", 7).Suf("pu'");
  v.Suf("neS").Rover("qu'", 9).Suf("jaj").Rover("be'", 10).Rover("qu'", 10);
  const char* parts[] = {"be'qu'qu'", "'eghbe'", "nISqu'be'", "choH", "moHqu'",
                         "laH",       "bejbe'",  "pu'",       "neSqu'", "jajbe'qu'"};
  std::string expected;
  EXPECT_EQ(v.BuildSuffixes(0), "");
  for (int n = 1; n <= 10; ++n) {
    expected += parts[n - 1];
    EXPECT_EQ(v.BuildSuffixes(n), expected) << "n = " << n;
  }
  EXPECT_EQ(v.BuildSuffixes(11), expected);
  // The word read back is the word as recorded here.
  EXPECT_EQ(v.BuildSuffixes(10), v.m_strWord.substr(4));
}

TEST(VerbBuildSuffixes, RoverOrderAtOnePosition) {
  TestVerb v("see");
  v.Rover("be'qu'", 0).Rover("be'", 0).Rover("qu'be'", 0).Rover("qu'", 0);
  EXPECT_EQ(v.BuildSuffixes(1), "be'qu'be'qu'be'qu'");
  TestVerb w("see");
  w.Rover("qu'", 0).Rover("be'", 0);
  EXPECT_EQ(w.BuildSuffixes(1), "be'qu'");
}

TEST(VerbBuildSuffixes, NegationKeepsItsRoverOnce) {
  TestVerb a("see");
  a.Rover("be'", 0).Suf("Ha'").Rover("qu'", 0);
  EXPECT_EQ(a.BuildSuffixes(10), "Ha'qu'be'");

  TestVerb b("see");
  b.Suf("Ha'").Rover("be'qu'", 0).Suf("pu'");
  EXPECT_EQ(b.BuildSuffixes(1), "Ha'be'qu'");
  EXPECT_EQ(b.BuildSuffixes(10), "Ha'be'qu'pu'");

  TestVerb c("see");
  c.Suf("Ha'").Rover("qu'be'", 0);
  EXPECT_EQ(c.BuildSuffixes(10), "Ha'qu'be'");

  TestVerb d("see");
  d.Suf("Ha'").Rover("be'", 0).Suf("'egh").Rover("qu'", 2);
  EXPECT_EQ(d.BuildSuffixes(1), "Ha'be'");
  EXPECT_EQ(d.BuildSuffixes(2), "Ha'be''eghqu'");

  TestVerb e("see");
  e.Suf("Ha'").Suf("laH");
  EXPECT_EQ(e.BuildSuffixes(5), "Ha'");
  EXPECT_EQ(e.BuildSuffixes(10), "Ha'laH");
  EXPECT_EQ(e.BuildSuffixes(0), "");

  // A -Ha' after a typed suffix: the rover behind it belongs to that suffix
  // and is written there, not a second time after -Ha'.
  TestVerb f("see");
  f.Suf("pu'").Suf("Ha'").Rover("be'", 8);
  EXPECT_EQ(f.BuildSuffixes(10), "Ha'pu'be'");
}

TEST(VerbBuildSuffixes, RefusalWrittenOnce) {
  TestVerb a("see");
  a.Suf("Qo'").Rover("be'", 0);
  EXPECT_EQ(a.BuildSuffixes(8), "be'");
  EXPECT_EQ(a.BuildSuffixes(9), "be'Qo'");
  EXPECT_EQ(a.BuildSuffixes(10), "be'Qo'");

  // The rebuilt chain reads back as itself, so a suggestion built from it
  // cannot keep growing.
  TestVerb b("see", "yI");
  b.Suf("neS").Suf("Qo'").Rover("be'", 9);
  EXPECT_EQ(b.BuildSuffixes(10), "neSQo'be'");
  EXPECT_EQ(b.BuildSuffixes(10), b.m_strWord.substr(4));

  TestVerb c("see");
  c.Suf("pu'").Suf("Qo'").Suf("jaj").Rover("qu'", 10);
  EXPECT_EQ(c.BuildSuffixes(9), "pu'Qo'");
  EXPECT_EQ(c.BuildSuffixes(10), "pu'Qo'jajqu'");
}

// From the scan to the gloss: the rendering reads the slots the scan fills.
CKWord Verb(const std::string& word, const std::string& definition, int stative = 0) {
  CKWord e;
  e.m_strWord = word;
  e.m_strDefinition = definition;
  e.m_nPos = kPosVerb;
  e.m_bStative = stative;
  return e;
}

std::string Gloss(const std::string& word, const CKWord& entry) {
  CParsedVerb v;
  if (!v.Parse(word, entry)) return "(no reading)";
  return v.ToString();
}

TEST(VerbGlossParsed, ScannedWords) {
  const CKWord legh = Verb("legh", "see");
  EXPECT_EQ(Gloss("vIleghpu'", legh), "I see (completed) him/her/it/them");
  EXPECT_EQ(Gloss("jIleghbe'", legh), "I do not see");
  EXPECT_EQ(Gloss("leghHa'", legh), "he/she/it/they mis-see him/her/it/them");
  EXPECT_EQ(Gloss("bIlegh'a'", legh), "do you see?");
  EXPECT_EQ(Gloss("yIleghQo'", legh), "don't see (no.object)/him/her/it!");
  EXPECT_EQ(Gloss("vIleghlu'", legh), "one see me");
  EXPECT_EQ(Gloss("Daleghpu'be'", legh), "you see (not completed) him/her/it/them");
  EXPECT_EQ(Gloss("leghlaHbe'", legh), "he/she/it/they cannot see him/her/it/them");
  const CKWord tIn = Verb("tIn", "be big", 1);
  EXPECT_EQ(Gloss("tIn", tIn), "he/she/it/they is/are big");
  EXPECT_EQ(Gloss("jItInchoH", tIn), "I begin to be big");
}

TEST(VerbGlossParsed, NominalisedThroughTheNoun) {
  const CKWord ghoj = Verb("ghoj", "learn");
  EXPECT_EQ(Gloss("ghojwI'", ghoj), "one/thing which is/does learn him/her/it/them");
  EXPECT_EQ(Gloss("ghojwI'mey", ghoj), "one/thing which is/does learn him/her/it/them (pl)");
  EXPECT_EQ(Gloss("ghojwI'meyDaq", ghoj),
            "in one/thing which is/does learn him/her/it/them (pl)");
  EXPECT_EQ(Gloss("ghojtaHghach", ghoj), "(noun) learn (on-going) him/her/it/them");

  CParsedVerb v;
  ASSERT_EQ(v.Parse("ghojmoHwI'", ghoj), 1);
  EXPECT_EQ(v.m_bNounForm, 1);
  EXPECT_EQ(v.m_noun.m_strDefinition, "one/thing which is/does cause him/her/it/them to learn");
  EXPECT_EQ(v.ToString(), v.m_noun.ToString());
}

// Words built in the canonical order rebuild to themselves: prefix, root and
// the rebuilt chain spell the word again.
TEST(VerbBuildSuffixes, ScannedWordsRebuildThemselves) {
  static const std::vector<std::vector<std::string>> kByType = {
      {"'egh", "chuq"},
      {"beH", "nIS", "qang", "rup", "vIp"},
      {"choH", "qa'"},
      {"moH"},
      {"laH", "lu'"},
      {"ba'", "bej", "chu'", "law'"},
      {"lI'", "pu'", "ta'", "taH"},
      {"neS"},
      {"'a'", "bogh", "chugh", "DI'", "jaj", "meH", "mo'", "pa'", "vIS"},
  };
  static const char* kRovers[] = {"be'", "qu'", "be'qu'", "qu'be'"};
  static const char* kNegations[] = {"Ha'", "Ha'be'", "Ha'qu'", "Ha'be'qu'", "Ha'qu'be'"};
  const CKWord legh = Verb("legh", "see");
  std::mt19937 rng(4);
  auto pick = [&rng](size_t n) { return static_cast<size_t>(rng() % n); };

  for (int i = 0; i < 400; ++i) {
    std::string word;
    if (pick(2)) word = CParsedVerb::kPrefixes[pick(CParsedVerb::kPrefixCount)].prefix;
    word += "legh";
    if (pick(4) == 0) word += kNegations[pick(5)];
    else if (pick(3) == 0) word += kRovers[pick(4)];
    // -Qo' stands before the type 9 slot and keeps the rovers of the type 8
    // slot after it; those come back in place only when -neS precedes it.
    const bool refusal = pick(3) == 0;
    bool hasType8 = false;
    for (int t = 1; t <= 9; ++t) {
      if (t == 9 && refusal) {
        word += "Qo'";
        if (hasType8 && pick(2)) word += kRovers[pick(4)];
      }
      if (pick(3) != 0) continue;
      const auto& texts = kByType[t - 1];
      word += texts[pick(texts.size())];
      hasType8 = hasType8 || t == 8;
      if (pick(3) == 0 && !(t == 8 && refusal)) word += kRovers[pick(4)];
    }
    TestVerb v("see");
    ASSERT_EQ(v.Parse(word, legh), 1) << word;
    EXPECT_EQ(v.m_strPrefix + v.m_strRoot + v.BuildSuffixes(10), word);
  }
}

}  // namespace
