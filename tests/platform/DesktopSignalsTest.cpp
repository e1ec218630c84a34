#include "host/DBusNotifier.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(DesktopSignals, ANotificationWithoutANotificationServiceIsSilent) {
    host::DBusNotifier notifier;
    QElapsedTimer elapsed;
    elapsed.start();
    notifier.notify("Tempiro Timer", "Time Expired");
    EXPECT_LT(elapsed.elapsed(), 300) << "the call does not wait for an answer";
}
