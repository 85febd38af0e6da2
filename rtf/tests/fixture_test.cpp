// Files written by another word processor (fixtures/*.rtf, made from the .html
// beside them), read and compared with the text and formatting in *.expected:
// one line per paragraph, as rtftest::Describe shows it.
#include <gtest/gtest.h>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

TEST(RtfFixtures, ReadAsExpectedAndSurviveOurOwnRoundTrip) {
  for (const char* name : {"klingon", "piqad"}) {
    SCOPED_TRACE(name);
    QTextDocument doc;
    const auto r = rtf::ReadRtf(rtftest::Fixture((std::string(name) + ".rtf").c_str()), doc);
    EXPECT_TRUE(r.bRtf);
    EXPECT_FALSE(r.bDamaged);
    const QByteArray expected = rtftest::Fixture((std::string(name) + ".expected").c_str());
    EXPECT_EQ(rtftest::Describe(doc), expected.toStdString());
    QTextDocument back;
    rtf::ReadRtf(rtf::WriteRtf(doc), back);
    EXPECT_EQ(rtftest::Describe(back), rtftest::Describe(doc));
  }
}
