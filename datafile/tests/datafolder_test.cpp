#include "datafile/datafolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "testutil.h"

namespace datafile {
namespace {

namespace fs = std::filesystem;

// An install-like tree: prefix/bin and prefix/share/vekmor, lexicon files where
// a case puts them.
TEST(DataFolderTest, ProgramFolderFirstThenInstalledFolder) {
  struct Case {
    const char* what;
    bool besideProgram;
    bool installed;
    const char* expect;  // relative to the prefix
  };
  const Case cases[] = {
      {"build folder", true, false, "bin/"},
      {"both: the program's folder wins", true, true, "bin/"},
      {"installed", false, true, "share/vekmor/"},
      {"neither: the program's folder, so the missing lexicon is reported there", false, false,
       "bin/"},
  };
  for (const Case& c : cases) {
    test::CScratchDir prefix;
    fs::create_directories(prefix.File("bin"));
    fs::create_directories(prefix.File("share/vekmor"));
    if (c.besideProgram) std::ofstream(prefix.File("bin/lexicon.klx")) << "x";
    if (c.installed) std::ofstream(prefix.File("share/vekmor/lexicon.klx")) << "x";
    EXPECT_EQ(FindShippedDataFolder(prefix.File("bin")), prefix.File(c.expect)) << c.what;
    EXPECT_EQ(FindShippedDataFolder(prefix.File("bin/")), prefix.File(c.expect)) << c.what;
  }
}

TEST(DataFolderTest, AFolderNamedLexiconDoesNotCount) {
  test::CScratchDir prefix;
  fs::create_directories(prefix.File("bin/lexicon.klx"));
  fs::create_directories(prefix.File("share/vekmor"));
  std::ofstream(prefix.File("share/vekmor/lexicon.klx")) << "x";
  EXPECT_EQ(FindShippedDataFolder(prefix.File("bin")), prefix.File("share/vekmor/"));
}

}  // namespace
}  // namespace datafile
