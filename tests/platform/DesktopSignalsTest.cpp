#include "platform/Notifier.h"
#include "platform/Sound.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(DesktopSignals, ABeepNeverHoldsTheTimerUp) {
    platform::SystemSound sound;
    sound.prepare(); // loading the sound library happens once, before the first beep
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 5; ++i)
        sound.beep();
    EXPECT_LT(elapsed.elapsed(), 300) << "with or without a sound device";
}

TEST(DesktopSignals, ANotificationWithoutANotificationServiceIsSilent) {
    platform::DBusNotifier notifier;
    QElapsedTimer elapsed;
    elapsed.start();
    notifier.notify("Tempiro Timer", "Time Expired");
    EXPECT_LT(elapsed.elapsed(), 300) << "the call does not wait for an answer";
}
