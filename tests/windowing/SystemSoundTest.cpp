#include "windowing/SystemSound.h"

#include <QCoreApplication>
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

// Five warning beeps keep their 300 ms rhythm, timed by the event loop: the call returns at once.
TEST(DesktopSignals, ARunOfBeepsKeepsItsRhythmWithoutHoldingTheTimer) {
    windowing::SystemSound sound;
    sound.prepare();
    QElapsedTimer elapsed;
    elapsed.start();
    sound.beeps(5, 300);
    EXPECT_LT(elapsed.elapsed(), 100);
    while (sound.playing() && elapsed.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(sound.playing()) << "the run still plays after 5 s";
    EXPECT_GE(elapsed.elapsed(), 1500) << "five beeps, each followed by its pause";
    EXPECT_LT(elapsed.elapsed(), 2500);
}
