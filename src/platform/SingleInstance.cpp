#include "platform/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tempiro::platform {

namespace {

constexpr unsigned long kRetryMilliseconds = 50;
constexpr int kBacklog = 4;

// The socket's address; false when the path does not fit one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

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

SingleInstance::~SingleInstance() {
    if (m_listener >= 0)
        ::close(m_listener);
}

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
    sockaddr_un address;
    if (!addressOf(socketName(), address))
        return false;
    // The lock is ours, so a socket left there belongs to a copy that was killed.
    ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_listener < 0)
        return false;
    // Only the user may connect: the socket is made without rights for anyone else.
    const mode_t mask = ::umask(0077);
    const bool bound =
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(m_listener, kBacklog) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return false;
    }
    // Every connection is a later start asking this copy to come forward.
    m_accepting = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, [this] {
        bool asked = false;
        for (int peer; (peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            ::close(peer);
            asked = true;
        }
        if (asked)
            emit showRequested();
    });
    return true;
}

bool SingleInstance::askRunning() {
    sockaddr_un address;
    if (!addressOf(socketName(), address))
        return false;
    const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (peer < 0)
        return false;
    // A local connection is made at once when the first copy listens, and refused otherwise;
    // the connection itself is the request, so nothing is written that could meet a closed
    // peer.
    const bool asked =
        ::connect(peer, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(peer);
    return asked;
}

} // namespace tempiro::platform
