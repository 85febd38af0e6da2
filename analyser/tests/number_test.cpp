// Number words: tens, powers, ordinals, repetitions and time words.
#include <gtest/gtest.h>

#include "morphan/klingonparser.h"
#include "morphan/parsednum.h"

namespace {

CKWord Number(const std::string& w, const std::string& def) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = kPosNumber;
  k.m_strDefinition = def;
  return k;
}

const CKWord kDigits[] = {
    Number("wa'", "one"),   Number("cha'", "two"),  Number("wej", "three"),
    Number("loS", "four"),  Number("vagh", "five"), Number("jav", "six"),
    Number("Soch", "seven"), Number("chorgh", "eight"), Number("Hut", "nine"),
};
const CKWord& kOne = kDigits[0];
const CKWord& kTwo = kDigits[1];
const CKWord kZero = Number("pagh", "zero");

// The rendering of `word` on `entry`, or "-" when it is no reading.
std::string Render(const std::string& word, const CKWord& entry) {
  CParsedNum n;
  n.Clear();
  if (!n.Parse(word, entry)) return "-";
  EXPECT_EQ(n.m_dScore, 1.0) << word;
  EXPECT_EQ(n.m_nPosCode, kPosNumber) << word;
  EXPECT_TRUE(n.m_lstErrors.empty() && n.m_lstSuggestions.empty()) << word;
  EXPECT_EQ(n.ToStringKlingon(), word);
  return n.ToString();
}

}  // namespace

TEST(Number, RootsAndTens) {
  EXPECT_EQ(Render("wa'", kOne), "one");
  EXPECT_EQ(Render("pagh", kZero), "zero");
  const char* tens[] = {"ten", "twenty", "thirty", "forty", "fifty",
                        "sixty", "seventy", "eighty", "ninety"};
  for (int i = 0; i < 9; ++i) {
    const std::string root = kDigits[i].m_strWord;
    EXPECT_EQ(Render(root + "maH", kDigits[i]), tens[i]);
    CKWord odd = kDigits[i];
    odd.m_strDefinition = "whatever";  // the tens word does not come from the lexicon
    EXPECT_EQ(Render(root + "maH", odd), tens[i]);
  }
  EXPECT_EQ(Render("paghmaH", kZero), "zero");  // not a digit root: the rendering stays

  CKWord noun = kOne;
  noun.m_nPos = kPosNoun;
  EXPECT_EQ(Render("wa'", noun), "-");
  EXPECT_EQ(Render("cha'", kOne), "-");
}

TEST(Number, Powers) {
  EXPECT_EQ(Render("wa'vatlh", kOne), "one hundred");
  EXPECT_EQ(Render("cha'SaD", kTwo), "two thousand");
  EXPECT_EQ(Render("cha'SanID", kTwo), "two thousand");
  EXPECT_EQ(Render("wa'bIp", kOne), "one hundred thousand");
  EXPECT_EQ(Render("wa''uy'", kOne), "one million");
  EXPECT_EQ(Render("wa'maHvatlh", kOne), "ten hundred");
  // After a power only an ending may follow.
  EXPECT_EQ(Render("wa'vatlhmaH", kOne), "-");
  EXPECT_EQ(Render("wa'SaDSaD", kOne), "-");
  EXPECT_EQ(Render("wa'vatlhSaD", kOne), "-");
  EXPECT_EQ(Render("wa'maHmaH", kOne), "-");
  EXPECT_EQ(Render("wa'Duj", kOne), "-");
}

TEST(Number, TimeWordsAndRepetitions) {
  EXPECT_EQ(Render("wa'leS", kOne), "tomorrow");
  EXPECT_EQ(Render("cha'leS", kTwo), "two days from now");
  EXPECT_EQ(Render("wa'maHleS", kOne), "ten days from now");
  EXPECT_EQ(Render("wa'Hu'", kOne), "yesterday");
  EXPECT_EQ(Render("wejHu'", kDigits[2]), "three days ago");
  EXPECT_EQ(Render("wa'nem", kOne), "next year");
  EXPECT_EQ(Render("cha'nem", kTwo), "two years from now");
  EXPECT_EQ(Render("wa'ben", kOne), "last year");
  EXPECT_EQ(Render("wa'vatlhben", kOne), "one hundred years ago");
  EXPECT_EQ(Render("wa'logh", kOne), "once");
  EXPECT_EQ(Render("cha'logh", kTwo), "twice");
  EXPECT_EQ(Render("loSlogh", kDigits[3]), "four times");
  EXPECT_EQ(Render("cha'maHlogh", kTwo), "twenty times");
  EXPECT_EQ(Render("wa'leSleS", kOne), "-");
  EXPECT_EQ(Render("wa'le", kOne), "-");
}

TEST(Number, Ordinals) {
  const char* fixed[] = {"first", "second", "third", nullptr, "fifth",
                         nullptr, nullptr, "eighth", "ninth"};
  const char* regular[] = {"", "", "", "fourth", "", "sixth", "seventh", "", ""};
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(Render(kDigits[i].m_strWord + "DIch", kDigits[i]), fixed[i] ? fixed[i] : regular[i]);

  // The fixed ordinals are whole words: a definition that differs does not matter.
  CKWord odd = kOne;
  odd.m_strDefinition = "unit";
  EXPECT_EQ(Render("wa'DIch", odd), "first");

  EXPECT_EQ(Render("wa'maHDIch", kOne), "tenth");
  EXPECT_EQ(Render("cha'maHDIch", kTwo), "twentieth");
  EXPECT_EQ(Render("HutmaHDIch", kDigits[8]), "ninetieth");
  EXPECT_EQ(Render("wa'vatlhDIch", kOne), "one hundredth");
  EXPECT_EQ(Render("wa'SaDDIch", kOne), "one thousandth");
  EXPECT_EQ(Render("paghDIch", kZero), "zeroth");
  CKWord many = Number("law'", "many");
  EXPECT_EQ(Render("law'DIch", many), "manieth");
}

TEST(Number, ThroughTheDriver) {
  CKLex lex;
  for (const auto& d : kDigits) lex.Add(d);
  CKlingonParser parser;
  parser.m_pLexicon = &lex;

  std::vector<CParseResult> r;
  ASSERT_EQ(parser.ParseWord("cha'maHDIch", r), 1);
  EXPECT_EQ(r[0].m_strPos, "NUM");
  EXPECT_EQ(r[0].m_strGloss, "twentieth");
  EXPECT_EQ(r[0].m_dScore, 1.0);

  r.clear();
  ASSERT_EQ(parser.ParseWord("wa'Hu'!", r), 1);
  EXPECT_EQ(r[0].m_strGloss, "yesterday");
  EXPECT_DOUBLE_EQ(r[0].m_dScore, 1.0 / 1.1);  // only the spelling lowers it

  r.clear();
  EXPECT_EQ(parser.ParseWord("wa'SaDmaH", r), 0);
}
