#include "platform/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace platform {

namespace {

const QByteArray kShowRequest = "show\n";
constexpr int kConnectMilliseconds = 500;
constexpr unsigned long kRetryMilliseconds = 50;

QString folderOrRuntime(const QString& folder) {
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                            : folder;
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(folderOrRuntime(folder))
    , m_lock(QDir(m_folder).filePath(QStringLiteral("tempiro.lock"))) {
    // Held for the whole run: no age makes it stale, only the death of its owner.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::claim(int milliseconds) {
    if (m_folder.isEmpty())
        return Outcome::Unguarded;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (m_lock.tryLock(0))
            return listen() ? Outcome::First : Outcome::Unguarded;
        if (m_lock.error() != QLockFile::LockFailedError)
            return Outcome::Unguarded;
        // The holder may not listen yet, or may be closing: try again until it answers or goes.
        if (askRunning())
            return Outcome::AskedRunning;
        if (waited.elapsed() >= milliseconds)
            return Outcome::Unguarded;
        QThread::msleep(kRetryMilliseconds);
    }
}

QString SingleInstance::socketName() const {
    return QDir(m_folder).filePath(QStringLiteral("tempiro.socket"));
}

bool SingleInstance::listen() {
    const QString name = socketName();
    // The lock is ours, so a socket left there belongs to a copy that was killed.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains(kShowRequest.trimmed()))
                    emit showRequested();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return m_server->listen(name);
}

bool SingleInstance::askRunning() {
    QLocalSocket socket;
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(kConnectMilliseconds))
        return false;
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(kConnectMilliseconds);
}

} // namespace platform
