#include "host/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tempiro::host {

#ifdef Q_OS_UNIX

namespace {

// The signal handler may only write to a descriptor; the notifier reads it in the event loop.
// Both ends are non-blocking, so that a flood of signals while the event loop is busy never
// stops the handler on a full pipe (one byte waiting is enough), and close-on-exec, so that the
// programs the timer starts do not inherit them.
int g_signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    // By now the close has run, or the run ends without a window: signals still arriving (a
    // flood, a second logout) must not cut the exit short and turn it into a kill.
    for (const int signal : kSignals)
        ::signal(signal, SIG_IGN);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void TerminationSignals::onReadable() {
    char bytes[256];
    while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    // However many signals came, the program closes once.
    if (m_requested)
        return;
    m_requested = true;
    emit terminationRequested();
}

#else

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::onReadable() {}

#endif

} // namespace tempiro::host
