#include "host/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tempiro::host {

namespace {

constexpr unsigned long kRetryMilliseconds = 50;
constexpr int kBacklog = 4;

// The socket's address: its path beside the lock or, where the runtime folder's path is too long
// for an address (sun_path holds 107 bytes), a name in the abstract namespace made from that
// path, which no length limits. Such a name has no file rights to keep other users out: the
// first copy checks every caller's user instead.
void addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() < qsizetype(sizeof address.sun_path)) {
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        return;
    }
    const QByteArray abstract =
        "tempiro-" + QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex();
    std::memcpy(address.sun_path + 1, abstract.constData(), size_t(abstract.size()));
}

// Sends the request, then reads the answer until the copy closes the connection; nothing when it
// does not within the time.
std::optional<QByteArray> sendAndWait(int peer, const QByteArray& request) {
    QElapsedTimer waited;
    waited.start();
    if (::send(peer, request.constData(), size_t(request.size()), MSG_NOSIGNAL) !=
            ssize_t(request.size()) ||
        ::shutdown(peer, SHUT_WR) != 0)
        return std::nullopt;
    QByteArray answer;
    for (;;) {
        const qint64 left = SingleInstance::kMessageMilliseconds - waited.elapsed();
        pollfd readable{peer, POLLIN, 0};
        if (left <= 0 || ::poll(&readable, 1, int(left)) <= 0)
            return std::nullopt;
        char buffer[4096];
        const ssize_t n = ::read(peer, buffer, sizeof buffer);
        if (n == 0)
            return answer.isEmpty() ? std::nullopt : std::optional(answer);
        if (n < 0 && errno != EINTR)
            return std::nullopt;
        if (n > 0)
            answer.append(buffer, n);
        if (answer.size() > SingleInstance::kMaxMessage)
            return std::nullopt;
    }
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

SingleInstance::Outcome SingleInstance::claim(int milliseconds, const QByteArray& request) {
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
        if (askRunning(request))
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
    addressOf(socketName(), address);
    // The lock is ours, so a socket left there belongs to a copy that was killed (an abstract
    // name goes with its owner).
    if (address.sun_path[0] != '\0')
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
    return true;
}

void SingleInstance::acceptRequests() {
    if (m_listener < 0 || m_accepting)
        return;
    // Every connection is a later start: one that closes without a word asks this copy to come
    // forward, one that writes a request wants an answer.
    m_accepting = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, [this] {
        for (int peer;
             (peer = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;)
            serve(peer);
    });
}

void SingleInstance::serve(int peer) {
    // Only the user's own programs may ask anything of the timer.
    ucred caller{};
    socklen_t size = sizeof caller;
    if (::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &caller, &size) != 0 ||
        caller.uid != ::getuid()) {
        ::close(peer);
        return;
    }
    // The connection is read as it comes, never waited for: a client that sends half a request,
    // too much, or vanishes is dropped, and the timer runs on meanwhile.
    const auto c = std::make_shared<Connection>(peer);
    m_connections.push_back(c);
    const std::weak_ptr<Connection> weak = c;
    const auto finish = [this, weak] {
        const auto c = weak.lock();
        if (!c || c->peer < 0)
            return;
        c->drop();
        // Freed from the event loop, not inside its own notifier's or timer's signal.
        QTimer::singleShot(0, this, [this, gone = c.get()] {
            std::erase_if(m_connections, [gone](const auto& each) { return each.get() == gone; });
        });
    };
    c->deadline.setSingleShot(true);
    connect(&c->deadline, &QTimer::timeout, this, finish);
    c->deadline.start(kMessageMilliseconds);
    connect(&c->reading, &QSocketNotifier::activated, this, [this, weak, finish] {
        // Held while the request is answered, which may run a dialog's own event loop.
        const auto c = weak.lock();
        if (!c || c->peer < 0)
            return;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(c->peer, buffer, sizeof buffer);
            if (n > 0) {
                c->request.append(buffer, n);
                if (c->request.size() > kMaxMessage)
                    return finish();
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            break; // the whole request, or an error
        }
        c->reading.setEnabled(false);
        if (c->request.isEmpty()) {
            finish();
            emit showRequested();
            return;
        }
        const QByteArray answer = answerRequest ? answerRequest(c->request) : QByteArray();
        // The answer is small enough for the socket's buffer; a client gone meanwhile is no
        // reason for a signal that ends the program. Past the deadline the connection is closed
        // already, and its descriptor may be another's by now: nothing is sent.
        if (c->peer >= 0)
            ::send(c->peer, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        finish();
    });
}

SingleInstance::Connection::Connection(int fd)
    : peer(fd)
    , reading(fd, QSocketNotifier::Read) {}

SingleInstance::Connection::~Connection() {
    drop();
}

// Closed once only: the deadline may fire while the request is being answered, and a second
// close would meet whatever took the descriptor since.
void SingleInstance::Connection::drop() {
    if (peer < 0)
        return;
    deadline.stop();
    reading.setEnabled(false);
    ::close(std::exchange(peer, -1));
}

bool SingleInstance::askRunning(const QByteArray& request) {
    sockaddr_un address;
    addressOf(socketName(), address);
    const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (peer < 0)
        return false;
    // A local connection is made at once when the first copy listens, and refused otherwise;
    // without a request the connection itself asks the copy to come forward, so nothing is
    // written that could meet a closed peer.
    const bool asked =
        ::connect(peer, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (asked && !request.isEmpty())
        m_answer = sendAndWait(peer, request);
    ::close(peer);
    return asked;
}

} // namespace tempiro::host
