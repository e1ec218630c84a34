#include "windowing/SystemSound.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(DesktopSignals, ABeepNeverHoldsTheTimerUp) {
    windowing::SystemSound sound;
    sound.prepare(); // loading the sound library happens once, before the first beep
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 5; ++i)
        sound.beep();
    EXPECT_LT(elapsed.elapsed(), 300) << "with or without a sound device";
}
