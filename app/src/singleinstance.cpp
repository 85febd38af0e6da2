#include "singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

// The request is a line "show", then a line "open PATH" per document.
constexpr char kShowRequest[] = "show\n";
constexpr char kOpenRequest[] = "open ";
constexpr qint64 kMaxRequestLine = 8192;
constexpr int kConnectTimeoutMs = 3000;

}  // namespace

CSingleInstance::CSingleInstance(const QString& name, const QString& folder, QObject* parent)
    : QObject(parent), m_strName(name), m_strFolder(folder) {
  if (m_strFolder.isEmpty())
    m_strFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (m_strFolder.isEmpty()) m_strFolder = QDir::tempPath();
}

CSingleInstance::~CSingleInstance() {
  if (m_pServer) m_pServer->close();
  if (m_pLock) m_pLock->unlock();
}

QString CSingleInstance::LockPath() const { return QDir(m_strFolder).filePath(m_strName + ".lock"); }

QString CSingleInstance::SocketPath() const {
  return QDir(m_strFolder).filePath(m_strName + ".socket");
}

bool CSingleInstance::RegisterUniqueInstance(const QStringList& files) {
  if (m_bFirst) return true;
  auto lock = std::make_unique<QLockFile>(LockPath());
  // A running copy may run for days: only a lock whose process is gone is stale.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    if (lock->error() == QLockFile::LockFailedError) {
      AskFirstToShow(files);
      return false;
    }
    // The folder cannot hold a lock: run unguarded rather than not at all.
    m_bFirst = true;
    return true;
  }
  m_pLock = std::move(lock);
  m_bFirst = true;

  // A socket left by a copy that crashed would make listen() fail.
  QLocalServer::removeServer(SocketPath());
  m_pServer = new QLocalServer(this);
  m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_pServer, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
  m_pServer->listen(SocketPath());
  return true;
}

void CSingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequests(socket); });
    ReadRequests(socket);
  }
}

void CSingleInstance::ReadRequests(QLocalSocket* socket) {
  while (socket->canReadLine()) {
    const QByteArray line = socket->readLine(kMaxRequestLine);
    if (!line.endsWith('\n')) {  // longer than any request: not one of ours
      socket->abort();
      return;
    }
    // A handler may show a message box, whose event loop can delete this
    // socket under our feet: act on the requests later, from the main loop.
    if (line == kShowRequest) {
      QMetaObject::invokeMethod(
          this, [this] { emit activationRequested(); }, Qt::QueuedConnection);
    } else if (line.startsWith(kOpenRequest)) {
      const QString path = QString::fromUtf8(line.mid(sizeof kOpenRequest - 1).chopped(1));
      QMetaObject::invokeMethod(
          this, [this, path] { emit openRequested(path); }, Qt::QueuedConnection);
    }
  }
}

bool CSingleInstance::AskFirstToShow(const QStringList& files) {
  // The first copy takes the lock a moment before it listens: retry briefly.
  QDeadlineTimer deadline(kConnectTimeoutMs);
  QLocalSocket socket;
  while (true) {
    socket.connectToServer(SocketPath());
    if (socket.waitForConnected(500)) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  QByteArray request = kShowRequest;
  for (const QString& file : files) request += kOpenRequest + file.toUtf8() + '\n';
  socket.write(request);
  const bool sent = socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  return sent;
}
