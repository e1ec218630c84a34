#include "host/SystemClock.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(SystemClock, NowIsReadInWholeSecondsOfLocalTime) {
    host::SystemClock clock;
    for (int i = 0; i < 3; ++i) {
        const QDateTime now = clock.localNow();
        EXPECT_EQ(now.time().msec(), 0);
        EXPECT_EQ(now.timeSpec(), Qt::LocalTime);
        EXPECT_LE(std::abs(now.secsTo(QDateTime::currentDateTime())), 1);
        QThread::msleep(7);
    }
}
