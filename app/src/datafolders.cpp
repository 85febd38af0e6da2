#include "datafolders.h"

#include <QDir>
#include <QFileInfo>

#include "datafile/atomicfile.h"
#include "datafile/datafolder.h"

namespace {

QString WithSlash(const QString& dir) { return dir.endsWith('/') ? dir : dir + '/'; }

// A folder without any write permission counts as read-only even for root,
// who could write there anyway.
bool IsWritableFolder(const QString& dir) {
  const QFileInfo info(dir);
  return info.isWritable() &&
         (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

}  // namespace

CDataFolders ChooseDataFolders(const QString& strExeDir, const QString& strOption,
                               const QString& strUserLocation) {
  CDataFolders folders;
  const QString exeDir = WithSlash(QDir(strExeDir).absolutePath());
  folders.strShipped =
      strOption.isEmpty()
          ? QString::fromStdString(datafile::FindShippedDataFolder(exeDir.toStdString()))
          : WithSlash(QDir(strOption).absolutePath());
  const bool ownFolder = !strOption.isEmpty() || folders.strShipped == exeDir;
  folders.strUser = ownFolder && IsWritableFolder(folders.strShipped)
                        ? folders.strShipped
                        : WithSlash(QDir(strUserLocation).absolutePath());
  return folders;
}

QString DataFileToRead(const CDataFolders& folders, const QString& name) {
  const QString user = folders.strUser + name;
  return QFileInfo::exists(user) ? user : folders.strShipped + name;
}

QString WritableDataPath(const CDataFolders& folders, const QString& name) {
  const QString user = folders.strUser + name;
  const QString shipped = folders.strShipped + name;
  if (user == shipped || QFileInfo::exists(user) || !QFileInfo(shipped).isFile()) return user;
  // Through the atomic save, so an interrupted copy never passes for the user's file.
  std::string bytes;
  std::string error;
  if (QDir().mkpath(folders.strUser) && datafile::ReadFileBytes(shipped.toStdString(), bytes, error))
    datafile::SaveFileAtomically(user.toStdString(), bytes, error);
  return user;
}
