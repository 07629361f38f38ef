#include "platform/SingleInstance.h"

#include "common/PrivateDirectory.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {

constexpr char kRequest[] = "come-forward\n";
constexpr char kReply[] = "ok\n";
// Socket paths must fit sockaddr_un (108 bytes with the terminator); stay well below.
constexpr qsizetype kMaxSocketPath = 100;

// The runtime directory Qt names when it is this user's alone; else a private one in
// the user's cache directory. Never a shared place such as /tmp, where another user
// could plant a lock first. Empty when neither can be had: the recorder then runs
// without the lock.
QString RuntimeDirectory()
{
    const QString given = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!given.isEmpty() && IsPrivateDirectory(given.toStdString()))
        return given;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return QString::fromStdString(PrivateDirectory((cache + "/pennivel-runtime").toStdString()));
}

QString ServerName(const QString& instanceName, const QString& user)
{
    const QString inRuntimeDir =
        RuntimeDirectory() + QLatin1Char('/') + instanceName + QLatin1Char('-') + user + ".socket";
    if (inRuntimeDir.toLocal8Bit().size() <= kMaxSocketPath)
        return inRuntimeDir;
    // A deep runtime directory: a short name in /tmp that still differs per user and
    // per runtime directory; only the owner may connect (see startListening).
    const QByteArray hash =
        QCryptographicHash::hash(inRuntimeDir.toLocal8Bit(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("/tmp/") + instanceName.left(16) + QLatin1Char('-') + QLatin1String(hash);
}

} // namespace

SingleInstance::SingleInstance(const QString& instanceName, QObject* parent) : QObject(parent)
{
    const QString user = QString::number(::getuid());
    if (RuntimeDirectory().isEmpty())
        return;
    m_lockPath =
        RuntimeDirectory() + QLatin1Char('/') + instanceName + QLatin1Char('-') + user + ".lock";
    m_serverName = ServerName(instanceName, user);
}

SingleInstance::~SingleInstance()
{
    stopListening();
}

bool SingleInstance::claim()
{
    if (m_lockPath.isEmpty())
        return true;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Held for the whole run: never treat a long-running first copy's lock as stale by
    // its age; only a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError && !lockLeftUnfinished()) {
        m_lock.reset();
        return false;
    }
    m_lock->removeStaleLockFile();
    if (!m_lock->tryLock(0))
        m_lock.reset();
    // Without any lock (a read-only or broken runtime directory) the recorder still opens:
    // better one copy too many than one that never starts.
    return true;
}

bool SingleInstance::lockLeftUnfinished() const
{
    // A lock names its process; Qt already takes over the lock of a process that is
    // gone. One without readable contents that has stayed so for a while was never
    // finished by its writer, and would otherwise keep every later start out for good.
    constexpr qint64 kGraceSeconds = 5;
    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;
    const QDateTime written = QFileInfo(m_lockPath).lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) > kGraceSeconds;
}

QString SingleInstance::holder() const
{
    qint64 pid = 0;
    QString host, application;
    if (m_lockPath.isEmpty() || !QLockFile(m_lockPath).getLockInfo(&pid, &host, &application))
        return {};
    return (application.isEmpty() ? QStringLiteral("a program") : application) +
           QStringLiteral(", process ") + QString::number(pid);
}

bool SingleInstance::askFirstToComeForward(int timeoutMs)
{
    if (m_serverName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == kReply;
}

bool SingleInstance::startListening()
{
    if (m_serverName.isEmpty())
        return false;
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::answer);
    if (m_server->listen(m_serverName))
        return true;
    // We hold the lock, so a socket left behind belongs to a copy that died.
    QLocalServer::removeServer(m_serverName);
    return m_server->listen(m_serverName);
}

void SingleInstance::stopListening()
{
    m_server.reset();
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRequest) {
                emit comeForwardRequested();
                socket->write(kReply);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
