#include "host/TerminationSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>

using namespace tempiro;

TEST(TerminationSignals, EachSignalArrivesOnTheEventLoop) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        host::TerminationSignals termination;
        QSignalSpy spy(&termination, &host::TerminationSignals::terminationRequested);
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_EQ(spy.count(), 0) << "nothing runs inside the signal handler";
        EXPECT_TRUE(spy.wait(2000)) << "signal " << signal;
        EXPECT_EQ(spy.count(), 1);
    }
}

namespace {

std::set<int> openDescriptors() {
    std::set<int> fds;
    for (const QString& name : QDir("/proc/self/fd").entryList(QDir::Files | QDir::System))
        fds.insert(name.toInt());
    return fds;
}

} // namespace

TEST(TerminationSignals, AFloodWhileTheLoopIsBusyNeverBlocksAndClosesOnce) {
    const std::set<int> before = openDescriptors();
    host::TerminationSignals termination;
    QSignalSpy spy(&termination, &host::TerminationSignals::terminationRequested);
    // Far more than the pipe holds, with nobody reading: a blocking pipe would hang here.
    for (int i = 0; i < 200000; ++i)
        std::raise(SIGTERM);
    EXPECT_TRUE(spy.wait(2000));
    std::raise(SIGHUP);
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 1);

    int added = 0;
    for (const int fd : openDescriptors()) {
        if (before.count(fd) || fcntl(fd, F_GETFD) < 0)
            continue; // ours from before, or the listing's own descriptor
        ++added;
        EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC) << "started programs must not inherit " << fd;
        EXPECT_TRUE(fcntl(fd, F_GETFL) & O_NONBLOCK) << fd;
    }
    EXPECT_GE(added, 2);
}
