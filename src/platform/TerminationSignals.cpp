#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX

namespace {

// The signal handler may only write to a descriptor; the notifier reads it in the event loop.
int g_signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
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
    for (const int signal : kSignals)
        ::signal(signal, SIG_DFL);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void TerminationSignals::onReadable() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
    emit terminationRequested();
}

#else

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::onReadable() {}

#endif

} // namespace platform
