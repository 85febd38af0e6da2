#pragma once
// Whole-file reads and crash-safe writes. A save goes to a temporary file in
// the target's folder and replaces the old file by a rename only once every
// byte is on disk, so a crash or a full disk never leaves a half-written file.
#include <string>
#include <string_view>

namespace datafile {

// Writes `bytes` to `path` through a temporary file. On failure returns false
// with a message in `error`, and whatever was at `path` is left as it was.
bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Reads a whole regular file into `out`, taking only the memory the file
// needs. Folders, devices and pipes are refused rather than read (a pipe
// could block forever), and so is a file above `maxBytes` (0: the library's
// own limit of 1 GiB).
bool ReadFileBytes(const std::string& path, std::string& out, std::string& error,
                   long long maxBytes = 0);

// A save in pieces: Open, any number of Write calls, then Commit. Destroying
// the object before Commit removes the temporary file and keeps the old one.
class CAtomicFile {
 public:
  explicit CAtomicFile(std::string path);
  ~CAtomicFile();
  CAtomicFile(const CAtomicFile&) = delete;
  CAtomicFile& operator=(const CAtomicFile&) = delete;

  bool Open(std::string& error);
  bool Write(std::string_view bytes, std::string& error);
  // Flushes and syncs the temporary file, then renames it over the target.
  bool Commit(std::string& error);
  // Drops the temporary file; the target is not touched.
  void Discard();

  // The file actually replaced: the target of a symbolic link, else the path.
  const std::string& TargetPath() const { return m_strTarget; }

 private:
  bool Fail(const std::string& what, int err, std::string& error);

  std::string m_strPath;
  std::string m_strTarget;
  std::string m_strTemp;
  int m_fd = -1;
};

// The rename step, replaceable so that tests can fail or interrupt a save
// right before the old file is replaced. Returns the previous function;
// nullptr restores the system's rename.
using RenameFunction = int (*)(const char* from, const char* to);
RenameFunction SetRenameFunction(RenameFunction fn);

}  // namespace datafile
