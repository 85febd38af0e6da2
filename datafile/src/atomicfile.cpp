#include "datafile/atomicfile.h"

#include "fileio_p.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace datafile {
namespace {

// Far beyond any data file of ours; keeps a wrong path from eating memory.
constexpr off_t kMaxReadBytes = off_t(1) << 30;

RenameFunction g_rename = nullptr;

std::string Reason(int err) { return std::strerror(err); }

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Makes the rename itself durable; a failure here no longer loses data, so it
// is not reported.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

constexpr std::string_view kTempMark = ".tmp-";
constexpr size_t kTempRandomChars = 6;  // mkostemp's XXXXXX

// Temporaries of earlier saves of `target` whose writer died (killed, or the
// machine went down) before the rename. A live writer holds a lock on its
// temporary, so only abandoned ones can be locked here and removed.
void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  const size_t slash = target.rfind('/');
  const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) +
                             std::string(kTempMark);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (!name.starts_with(prefix) || name.size() != prefix.size() + kTempRandomChars) continue;
    const std::string path = folder + "/" + std::string(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(path.c_str());
    ::close(fd);
  }
  ::closedir(dir);
}

mode_t DefaultMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

RenameFunction SetRenameFunction(RenameFunction fn) {
  RenameFunction old = g_rename;
  g_rename = fn;
  return old;
}

CAtomicFile::CAtomicFile(std::string path) : m_strPath(std::move(path)), m_strTarget(m_strPath) {}

CAtomicFile::~CAtomicFile() { Discard(); }

bool CAtomicFile::Fail(const std::string& what, int err, std::string& error) {
  error = what + ": " + Reason(err);
  Discard();
  return false;
}

bool CAtomicFile::Open(std::string& error) {
  Discard();
  m_strTarget = m_strPath;
  // Saving through a symbolic link replaces the file it points to, not the link.
  struct stat st;
  if (::lstat(m_strPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(m_strPath.c_str(), nullptr)) {
      m_strTarget = real;
      std::free(real);
    }
  }
  if (::stat(m_strTarget.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    error = "Unable to write " + m_strPath + ": it is a folder";
    return false;
  }

  RemoveStaleTemporaries(m_strTarget);
  std::string name = m_strTarget + std::string(kTempMark) + std::string(kTempRandomChars, 'X');
  m_fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (m_fd < 0) {
    const int err = errno;
    return Fail("Unable to create a file in " + FolderOf(m_strTarget), err, error);
  }
  m_strTemp = name;
  // Held until the file is closed, which tells later saves it is not abandoned.
  ::flock(m_fd, LOCK_EX | LOCK_NB);

  // The new file keeps the old one's permissions; a new one gets the usual.
  const mode_t mode = ::stat(m_strTarget.c_str(), &st) == 0 ? (st.st_mode & 07777) : DefaultMode();
  ::fchmod(m_fd, mode);
  return true;
}

bool CAtomicFile::Write(std::string_view bytes, std::string& error) {
  if (m_fd < 0) {
    error = "Unable to write " + m_strPath + ": the file is not open";
    return false;
  }
  while (!bytes.empty()) {
    const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
    if (n < 0) {
      const int err = errno;
      if (err == EINTR) continue;
      return Fail("Unable to write " + m_strPath, err, error);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool CAtomicFile::Commit(std::string& error) {
  if (m_fd < 0) {
    error = "Unable to write " + m_strPath + ": the file is not open";
    return false;
  }
  if (::fsync(m_fd) != 0) {
    const int err = errno;
    return Fail("Unable to write " + m_strPath, err, error);
  }
  const int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0) {
    const int err = errno;
    return Fail("Unable to write " + m_strPath, err, error);
  }
  RenameFunction rename = g_rename ? g_rename : &std::rename;
  if (rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
    const int err = errno;
    return Fail("Unable to replace " + m_strPath, err, error);
  }
  m_strTemp.clear();
  SyncFolder(FolderOf(m_strTarget));
  return true;
}

void CAtomicFile::Discard() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_strTemp.empty()) {
    ::unlink(m_strTemp.c_str());
    m_strTemp.clear();
  }
}

bool SaveFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  CAtomicFile file(path);
  return file.Open(error) && file.Write(bytes, error) && file.Commit(error);
}

namespace detail {

int OpenForReading(const std::string& path, off_t& size, std::string& error) {
  // Non-blocking open, so that a named pipe is refused instead of waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "Unable to open " + path + ": " + Reason(errno);
    return -1;
  }
  auto fail = [&](const std::string& why) {
    ::close(fd);
    error = "Unable to read " + path + ": " + why;
    return -1;
  };
  struct stat st;
  if (::fstat(fd, &st) != 0) return fail(Reason(errno));
  if (S_ISDIR(st.st_mode)) return fail("it is a folder");
  if (!S_ISREG(st.st_mode)) return fail("it is not a regular file");
  if (st.st_size > kMaxReadBytes) return fail("the file is too large");
  size = st.st_size;
  return fd;
}

ssize_t ReadFull(int fd, char* buf, size_t n) {
  size_t got = 0;
  while (got < n) {
    const ssize_t r = ::read(fd, buf + got, n - got);
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  return static_cast<ssize_t>(got);
}

}  // namespace detail

bool ReadFileBytes(const std::string& path, std::string& out, std::string& error,
                   long long maxBytes) {
  const size_t limit = static_cast<size_t>(
      maxBytes > 0 && maxBytes < kMaxReadBytes ? maxBytes : kMaxReadBytes);
  off_t size = 0;
  const int fd = detail::OpenForReading(path, size, error);
  if (fd < 0) return false;
  auto fail = [&](const std::string& why) {
    error = "Unable to read " + path + ": " + why;
    ::close(fd);
    return false;
  };
  if (static_cast<size_t>(size) > limit) return fail("the file is too large");
  std::string data;
  data.reserve(static_cast<size_t>(size));
  char buf[65536];
  for (;;) {
    const ssize_t n = detail::ReadFull(fd, buf, sizeof buf);
    if (n < 0) return fail(Reason(errno));
    // The file may grow while it is read.
    if (data.size() + static_cast<size_t>(n) > limit) return fail("the file is too large");
    data.append(buf, static_cast<size_t>(n));
    if (static_cast<size_t>(n) < sizeof buf) break;
  }
  ::close(fd);
  out = std::move(data);
  return true;
}

}  // namespace datafile
