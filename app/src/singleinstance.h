#pragma once
// Marks a running copy of the program and lets a second copy ask the first to
// come to the front. A lock file says that a copy runs; a local socket beside
// it carries the request.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

class CSingleInstance : public QObject {
  Q_OBJECT
 public:
  // `folder` holds the lock file and the socket; by default the user's
  // runtime folder. `name` tells programs apart.
  explicit CSingleInstance(const QString& name, const QString& folder = QString(),
                           QObject* parent = nullptr);
  ~CSingleInstance() override;

  // True when this is the first copy: it then holds the lock and listens.
  // False when another copy runs: that copy has been asked to come to the
  // front and to open `files` (absolute paths), and this one should end
  // without a word.
  bool RegisterUniqueInstance(const QStringList& files = {});
  bool IsFirst() const { return m_bFirst; }

  QString LockPath() const;
  QString SocketPath() const;

 signals:
  // Another copy was started and wants this one in front.
  void activationRequested();
  // Another copy was started with a document to open.
  void openRequested(const QString& path);

 private:
  void OnNewConnection();
  void ReadRequests(QLocalSocket* socket);
  bool AskFirstToShow(const QStringList& files);

  QString m_strName;
  QString m_strFolder;
  std::unique_ptr<QLockFile> m_pLock;
  QLocalServer* m_pServer = nullptr;
  bool m_bFirst = false;
};
