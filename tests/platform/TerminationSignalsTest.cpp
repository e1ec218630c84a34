#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

TEST(TerminationSignals, EachSignalArrivesOnTheEventLoop) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        platform::TerminationSignals termination;
        QSignalSpy spy(&termination, &platform::TerminationSignals::terminationRequested);
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_EQ(spy.count(), 0) << "nothing runs inside the signal handler";
        EXPECT_TRUE(spy.wait(2000)) << "signal " << signal;
        EXPECT_EQ(spy.count(), 1);
    }
}
