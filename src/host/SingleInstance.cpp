#include "host/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

namespace tempiro::host {

namespace {

Q_LOGGING_CATEGORY(lcSingleInstance, "tempiro.trace", QtWarningMsg)

constexpr unsigned long kRetryMilliseconds = 50;
// Later starts queue while the copy is busy (a dialog's own event loop, a stop): none is ever
// refused for want of room, and none waits past its own deadline.
constexpr int kBacklog = SOMAXCONN;
// The line before a request: the moment its caller stops waiting, in nanoseconds.
constexpr char kDeadlineLine[] = "tempiro-deadline ";
// What the copy sends when it takes a request, before carrying it out.
constexpr char kTaken = '+';
// A request is taken only with this much of its caller's time left, so that the word reaches
// the caller before it gives up.
constexpr qint64 kTakeMarginNanoseconds = 100'000'000;

qint64 monotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int millisecondsUntil(qint64 deadline) {
    return int(std::clamp<qint64>((deadline - monotonicNanoseconds()) / 1'000'000, 0, INT_MAX));
}

// The socket's address: its path beside the lock or, where the runtime folder's path is too long
// for an address (sun_path holds 107 bytes), a name in the abstract namespace made from that
// path, which no length limits. Such a name has no file rights to keep other users out: each
// side checks the other's user instead.
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

QString addressText(const sockaddr_un& address) {
    return address.sun_path[0] ? QFile::decodeName(address.sun_path)
                               : u'@' + QString::fromLatin1(address.sun_path + 1);
}

std::optional<uint> peerUser(int peer) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return std::nullopt;
    return credentials.uid;
}

struct Sent {
    bool taken = false;               // the copy took the request (or answered it at once)
    std::optional<QByteArray> answer; // its answer, when it came in time
};

// Sends the request with its deadline, then reads until the copy closes the connection: its word
// that it takes the request must come by the deadline, its answer within the answer's time
// after that. A copy of an earlier version answers at once, without the word.
Sent sendAndWait(int peer, const QByteArray& request, qint64 deadline) {
    const QByteArray framed = kDeadlineLine + QByteArray::number(deadline) + '\n' + request;
    Sent sent;
    for (qsizetype written = 0; written < framed.size();) {
        pollfd writable{peer, POLLOUT, 0};
        if (::poll(&writable, 1, millisecondsUntil(deadline)) <= 0)
            return sent;
        const ssize_t n = ::send(peer, framed.constData() + written,
                                 size_t(framed.size() - written), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return sent;
        written += std::max<ssize_t>(n, 0);
    }
    if (::shutdown(peer, SHUT_WR) != 0)
        return sent;
    QByteArray answer;
    for (;;) {
        pollfd readable{peer, POLLIN, 0};
        // Whatever came by the deadline is read, even when the deadline has passed meanwhile.
        ::poll(&readable, 1, millisecondsUntil(deadline));
        char buffer[4096];
        const ssize_t n = ::read(peer, buffer, sizeof buffer);
        if (n == 0) {
            if (!answer.isEmpty())
                sent.answer = answer;
            return sent;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return sent;
        if (n < 0 && millisecondsUntil(deadline) == 0)
            return sent;
        if (n <= 0)
            continue;
        answer.append(buffer, n);
        if (!sent.taken) {
            sent.taken = true;
            if (answer.startsWith(kTaken)) {
                answer.remove(0, 1);
                deadline += qint64(SingleInstance::kAnswerMilliseconds) * 1'000'000;
            }
        }
        if (answer.size() > SingleInstance::kMaxAnswer)
            return sent;
    }
}

QString folderOrRuntime(const QString& folder) {
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                            : folder;
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , user(::getuid())
    , m_folder(folderOrRuntime(folder))
    , m_lock(QDir(m_folder).filePath(QStringLiteral("tempiro.lock"))) {
    // Held for the whole run: no age makes it stale, only the death of its owner.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (m_listener < 0)
        return;
    ::close(m_listener);
    // Removed while the lock is still held, so that it is never a later copy's socket.
    sockaddr_un address;
    addressOf(socketName(), address);
    if (address.sun_path[0] != '\0')
        ::unlink(address.sun_path);
}

SingleInstance::Outcome SingleInstance::claim(int milliseconds, const QByteArray& request) {
    if (m_folder.isEmpty())
        return Outcome::Unguarded;
    QElapsedTimer waited;
    waited.start();
    // The caller's deadline counts from the first time a running copy was found, busy or not.
    std::optional<qint64> deadline;
    for (;;) {
        // The lock file tells the holder's process: the user's own business.
        const mode_t mask = ::umask(0077);
        const bool locked = m_lock.tryLock(0);
        ::umask(mask);
        if (locked)
            return listen() ? Outcome::First : Outcome::Unguarded;
        if (m_lock.error() != QLockFile::LockFailedError)
            return Outcome::Unguarded;
        // The holder may not listen yet, may be closing, or may be busy: try again until it
        // answers, goes, or the time is up.
        const qint64 now = monotonicNanoseconds();
        switch (askRunning(request,
                           deadline.value_or(now + qint64(kMessageMilliseconds) * 1'000'000))) {
        case Reach::Asked:
            return Outcome::AskedRunning;
        case Reach::Foreign:
            return Outcome::Foreign;
        case Reach::Unanswered:
            return Outcome::Unanswered;
        case Reach::Busy:
            if (!deadline)
                deadline = now + qint64(kMessageMilliseconds) * 1'000'000;
            break;
        case Reach::NotListening:
            break;
        }
        // A copy found busy had the caller's deadline; one that stops listening meanwhile (it
        // is closing) does not give the caller more time.
        if (deadline && millisecondsUntil(*deadline) == 0)
            return Outcome::Unanswered;
        if (!deadline && waited.elapsed() >= milliseconds)
            return Outcome::Unguarded;
        QThread::msleep(kRetryMilliseconds);
    }
}

QString SingleInstance::socketName() const {
    return QDir(m_folder).filePath(QStringLiteral("tempiro.socket"));
}

QString SingleInstance::socketAddress() const {
    sockaddr_un address;
    addressOf(socketName(), address);
    return addressText(address);
}

bool SingleInstance::listen() {
    sockaddr_un address;
    addressOf(socketName(), address);
    // The lock is ours, so a socket left there belongs to a copy that was killed (an abstract
    // name goes with its owner).
    if (address.sun_path[0] != '\0')
        ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // Only the user may connect: the socket is made without rights for anyone else.
    const mode_t mask = ::umask(0077);
    const bool bound =
        m_listener >= 0 &&
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(m_listener, kBacklog) == 0;
    ::umask(mask);
    if (bound)
        return true;
    m_listenFailure =
        addressText(address) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    if (m_listener >= 0)
        ::close(m_listener);
    m_listener = -1;
    return false;
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
    if (peerUser(peer) != user) {
        ::close(peer);
        return;
    }
    // The connection is read as it comes, never waited for: a client that sends half a request,
    // too much, or vanishes is dropped, and the timer runs on meanwhile.
    const auto c = std::make_shared<Connection>(peer);
    m_connections.push_back(c);
    const std::weak_ptr<Connection> weak = c;
    connect(&c->deadline, &QTimer::timeout, this, [this, weak] {
        if (const auto c = weak.lock())
            finish(c);
    });
    c->deadline.setSingleShot(true);
    c->deadline.start(kMessageMilliseconds);
    connect(&c->reading, &QSocketNotifier::activated, this, [this, weak] {
        // Held while the request is answered, which may run a dialog's own event loop.
        const auto c = weak.lock();
        if (!c || c->peer < 0)
            return;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(c->peer, buffer, sizeof buffer);
            if (n > 0) {
                c->request.append(buffer, n);
                if (c->request.size() > kMaxMessage + qsizetype(sizeof kDeadlineLine) + 20)
                    return finish(c);
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            break; // the whole request, or an error
        }
        c->reading.setEnabled(false);
        answer(c);
    });
}

void SingleInstance::answer(const std::shared_ptr<Connection>& c) {
    if (c->request.isEmpty()) {
        finish(c);
        emit showRequested();
        return;
    }
    // A caller of an earlier version sends its request bare.
    QByteArray request = c->request;
    std::optional<qint64> deadline;
    if (request.startsWith(kDeadlineLine)) {
        const qsizetype end = request.indexOf('\n');
        bool read = false;
        deadline = request.mid(sizeof kDeadlineLine - 1, end - qsizetype(sizeof kDeadlineLine) + 1)
                       .toLongLong(&read);
        if (end < 0 || !read)
            return finish(c);
        request.remove(0, end + 1);
    }
    // A caller that has gone, or will have given up before it hears, is not served: it has
    // told its user that nothing was changed.
    pollfd gone{c->peer, POLLOUT, 0};
    const bool late = deadline && monotonicNanoseconds() + kTakeMarginNanoseconds >= *deadline;
    if (late || request.size() > kMaxMessage || ::poll(&gone, 1, 0) < 0 ||
        (gone.revents & (POLLHUP | POLLERR)) ||
        (deadline && ::send(c->peer, &kTaken, 1, MSG_NOSIGNAL | MSG_DONTWAIT) != 1)) {
        qCDebug(lcSingleInstance) << "dropped a request whose caller"
                                  << (late ? "has given up" : "has gone");
        return finish(c);
    }
    // The caller waits for the answer now, however long carrying it out takes.
    if (deadline)
        c->deadline.stop();
    const QByteArray answer = answerRequest ? answerRequest(request) : QByteArray();
    // The answer is small enough for the socket's buffer; a client gone meanwhile is no reason
    // for a signal that ends the program. Past the deadline of a caller that was never told, the
    // connection is closed already, and its descriptor may be another's by now: nothing is sent.
    if (c->peer >= 0)
        ::send(c->peer, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    finish(c);
}

void SingleInstance::finish(const std::shared_ptr<Connection>& c) {
    if (c->peer < 0)
        return;
    c->drop();
    // Freed from the event loop, not inside its own notifier's or timer's signal.
    QTimer::singleShot(0, this, [this, gone = c.get()] {
        std::erase_if(m_connections, [gone](const auto& each) { return each.get() == gone; });
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

SingleInstance::Reach SingleInstance::askRunning(const QByteArray& request, qint64 deadline) {
    sockaddr_un address;
    addressOf(socketName(), address);
    // Without blocking: a copy that does not accept (stopped, or busy in a dialog) with its
    // queue full refuses at once instead of holding the caller.
    const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (peer < 0)
        return Reach::NotListening;
    Reach reach = Reach::NotListening;
    if (::connect(peer, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        // Whoever listens is told nothing before it is known to be the user's own: another user
        // may have taken the name first.
        if (peerUser(peer) != user) {
            reach = Reach::Foreign;
        } else if (request.isEmpty()) {
            // The connection itself asks the copy to come forward.
            reach = Reach::Asked;
        } else {
            const Sent sent = sendAndWait(peer, request, deadline);
            m_answer = sent.answer;
            reach = sent.taken ? Reach::Asked : Reach::Unanswered;
        }
    } else if (errno == EAGAIN) {
        reach = Reach::Busy;
    }
    ::close(peer);
    return reach;
}

} // namespace tempiro::host
