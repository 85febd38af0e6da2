// The program's tests run with a private runtime and settings folder, so they
// never meet a copy of the program the user is running, nor its settings
// and data files.
#include "testenv.h"

int main(int argc, char** argv) {
  // Listing the tests at build time runs this too, without the test's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  QDir(home.path()).mkpath("runtime");
  QDir(home.path()).mkpath("config");
  QDir(home.path()).mkpath("data");
  QFile::setPermissions(home.filePath("runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", home.filePath("runtime").toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
  qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
