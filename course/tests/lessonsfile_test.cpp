// lessons.klx: its byte layout, saving and loading, and damaged files.
#include <gtest/gtest.h>

#include "course/testmgr.h"
#include "datafile/datafilecipher.h"
#include "testutil.h"

namespace {

using datafile::test::CScratchDir;
using datafile::test::Hex;
using datafile::test::ReadAll;
using datafile::test::WriteAll;

CTestMgr SmallCourse(const std::string& folder = {}) {
  CTestMgr mgr(folder);
  mgr.m_strVersion = "v1";
  CTestSection s;
  s.m_strName = "Hi";
  s.m_dNumber = 1.5;
  s.m_nScore = 66;
  s.m_strStatus = "ok";
  s.m_strText = "{\\rtf1 x}";
  s.m_nCorrect = 2;
  s.m_bCompleted = 1;
  CTestQuestion q;
  q.m_strSentence = "S";
  q.m_strSpareText = "";
  q.m_strQuestion = "Q";
  q.m_nSpare1 = -1;
  q.m_nSpare2 = 7;
  q.m_lstAnswers = {"b", "a"};
  s.m_arrQuestions.push_back(q);
  mgr.m_arrSections.push_back(s);
  return mgr;
}

std::string Encrypt(const std::string& plain, std::string_view pass = CDataFileCipher::kDefaultPassphrase) {
  CDataFileCipher cipher;
  std::string out, error;
  EXPECT_TRUE(cipher.EncryptBytes(plain, pass, out, error)) << error;
  return out;
}

TEST(LessonsFile, ByteLayout) {
  CTestMgr mgr = SmallCourse();
  const std::string expected =
      "01000000" "027631" "01000000"                      // course: version, "v1", 1 lesson
      "01000000" "024869" "000000000000f83f" "42000000"   // lesson: version, "Hi", 1.5, 66
      "026f6b" "097b5c7274663120787d"                     // "ok", "{\rtf1 x}"
      "02000000" "01000000" "01000000"                    // correct, completed, 1 question
      "01000000" "0153" "00" "0151"                       // question: version, "S", "", "Q"
      "ffffffff" "07000000" "02000000" "0162" "0161";     // spares, 2 answers "b" "a"
  EXPECT_EQ(Hex(mgr.ToBytes()), expected);

  CTestMgr empty;
  EXPECT_EQ(Hex(empty.ToBytes()), "01000000" "00" "00000000");
}

TEST(LessonsFile, LongTextsAndWindows1252) {
  CTestMgr mgr;
  mgr.m_strVersion = std::string(255, 'x');
  const std::string bytes = mgr.ToBytes();
  EXPECT_EQ(Hex(bytes.substr(4, 3)), "ffff00");  // 255 marker, 16-bit length 255
  mgr.m_strVersion = std::string(70000, 'y');
  EXPECT_EQ(Hex(mgr.ToBytes().substr(4, 7)), "ffffff70110100");  // 65535 then 32-bit length
  mgr.m_strVersion = "caf\xc3\xa9 \xe2\x80\x99";  // café ’ in UTF-8
  EXPECT_EQ(Hex(mgr.ToBytes().substr(4, 7)), "06636166e92092");

  CTestMgr back;
  std::string why;
  ASSERT_TRUE(back.FromBytes(mgr.ToBytes(), why)) << why;
  EXPECT_EQ(back.m_strVersion, mgr.m_strVersion);
}

TEST(LessonsFile, SavesAndLoadsEveryField) {
  CScratchDir dir;
  CTestMgr mgr = SmallCourse(dir.path);
  ASSERT_EQ(mgr.SaveLessons(), 1) << mgr.LastError();
  EXPECT_EQ(dir.Listing(), "lessons.klx");
  EXPECT_EQ(ReadAll(dir.File("lessons.klx")), Encrypt(mgr.ToBytes()));

  CTestMgr back(dir.path + "/");
  ASSERT_EQ(back.Init(), 1) << back.LastError();
  EXPECT_EQ(back.m_bLoaded, 1);
  EXPECT_EQ(back.ToBytes(), mgr.ToBytes());
  const CTestQuestion& q = back.m_arrSections.at(0).m_arrQuestions.at(0);
  EXPECT_EQ(q.m_nSpare1, -1);
  EXPECT_EQ(q.m_lstAnswers, (CStringList{"b", "a"}));

  // Another passphrase is another file.
  ASSERT_EQ(mgr.SaveLessons("other.klx", "secret"), 1);
  EXPECT_EQ(ReadAll(dir.File("other.klx")), Encrypt(mgr.ToBytes(), "secret"));
}

TEST(LessonsFile, MissingFileIsAnEmptyCourse) {
  CScratchDir dir;
  CTestMgr mgr(dir.path);
  EXPECT_EQ(mgr.Init(), 1);
  EXPECT_EQ(mgr.m_bLoaded, 0);
  EXPECT_TRUE(mgr.m_arrSections.empty());
  EXPECT_EQ(dir.Listing(), "");
}

TEST(LessonsFile, DamagedFilesAreRefusedWholeAndLeftAlone) {
  const std::string good = SmallCourse().ToBytes();
  // Offsets into `good`: the lesson starts at 11, its question count at 51,
  // the question at 55 and its answer count at 72.
  auto with = [&](size_t at, const std::string& bytes) {
    std::string p = good;
    p.replace(at, bytes.size(), bytes);
    return p;
  };
  struct Case { const char* what; std::string file; const char* why; };
  const std::vector<Case> cases = {
      {"truncated plaintext", Encrypt(good.substr(0, good.size() - 1)), "unexpected end"},
      {"truncated into a count", Encrypt(good.substr(0, good.size() - 3)), "larger than the data"},
      {"cut ciphertext", Encrypt(good).substr(0, 21), ""},
      {"empty file", "", ""},
      {"wrong key", Encrypt(good, "another passphrase"), ""},
      {"course version 2", Encrypt(with(0, std::string("\x02", 1))), "course record of version 2"},
      {"lesson version 2", Encrypt(with(11, std::string("\x02", 1))), "lesson record of version 2"},
      {"question version 2", Encrypt(with(55, std::string("\x02", 1))), "question record of version 2"},
      {"huge lesson count", Encrypt(with(7, "\xff\xff\xff\x7f")), "larger than the data"},
      {"huge question count", Encrypt(with(51, std::string("\x00\x00\x00\x10", 4))), "larger than the data"},
      {"huge answer count", Encrypt(with(72, "\xff\xff\xff\xff")), "larger than the data"},
      {"huge text length", Encrypt(with(15, "\xff\xff\xff\xff\xff\xff\x7f")), "unexpected end"},
      {"bytes after the course", Encrypt(good + "x"), "bytes after the last lesson"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CScratchDir dir;
    WriteAll(dir.File("lessons.klx"), c.file);
    CTestMgr mgr(dir.path);
    CTestSection kept;
    kept.m_strName = "held before";
    mgr.m_arrSections.push_back(kept);
    EXPECT_EQ(mgr.Init(), 0);
    EXPECT_NE(mgr.LastError().find(c.why), std::string::npos) << mgr.LastError();
    EXPECT_FALSE(mgr.LastError().empty());
    EXPECT_EQ(mgr.m_bLoaded, 0);
    ASSERT_EQ(mgr.m_arrSections.size(), 1u);  // nothing of the damaged file
    EXPECT_EQ(mgr.m_arrSections[0].m_strName, "held before");
    EXPECT_EQ(ReadAll(dir.File("lessons.klx")), c.file);
    EXPECT_EQ(dir.Listing(), "lessons.klx");
  }
}

TEST(LessonsFile, SaveIntoAMissingFolderFailsWithAReason) {
  CTestMgr mgr("/nonexistent-folder/for/lessons");
  EXPECT_EQ(mgr.SaveLessons(), 0);
  EXPECT_FALSE(mgr.LastError().empty());
}

}  // namespace
