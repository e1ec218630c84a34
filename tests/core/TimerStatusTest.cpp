#include "core/TimerStatus.h"

#include "core/DayCount.h"

#include <gtest/gtest.h>

using namespace tempiro;

TEST(TimerStatus, SaysTheTimeLeftInWordsWithTheStatesColourAndShare) {
    const double now = toDayCount(QDate(2026, 12, 8), QTime(12, 0)); // a Tuesday
    const double minute = 1.0 / kMinutesPerDay;
    const struct {
        qint16 mode;
        double minutesLeft; // real time to the target, negative once passed
        QString value, heading;
        bool warn, paused, seconds;
        QString text;
        LineColour colour;
        int sixtieths;
    } cases[] = {
        {kModeTime, 120, "02:00:00", " dy hh:mm:ss", false, false, true,
         "02:00:00 left, ends Tue 2:00 PM", LineColour::Green, 40},
        {kModeTime, 30, "00:30", " hh:mm", false, false, false, "00:30 left, ends Tue 12:30 PM",
         LineColour::Yellow, 55},
        {kModeTime, 120, "02:00:00", " hh:mm:ss", true, false, true,
         "02:00:00 left, ends Tue 2:00 PM", LineColour::Yellow, 40},
        {kModeTime, 8 * 1440, "8 days", "Days", false, false, true,
         "8 days left, ends 12/16/26 12:00 PM", LineColour::Green, 0},
        {kModeTime, 12 * 1440, "12/8/2026 12:00:00 PM", "", false, false, true,
         "ends 12/20/26 12:00 PM", LineColour::Green, 0},
        {kModeTime, -3.2, "+ 00:03:12", " hh:mm:ss", false, false, true, "expired 3 minutes ago",
         LineColour::Red, 60},
        {kModeTime, -0.5, "+ 00:00:30", " hh:mm:ss", false, false, true,
         "expired less than a minute ago", LineColour::Red, 60},
        {kModeTime, -3 * 1440 - 5, "+3", "Days", false, false, true, "expired 3 days ago",
         LineColour::Red, 60},
        {kModeTime, 120, "02:00:00", " hh:mm:ss", false, true, true, "paused", LineColour::Yellow,
         40},
        {kModeStopWatch, -12 - 4.5 / 60, "00:12:04", " hh:mm:ss", false, false, true,
         "00:12:04 elapsed", LineColour::Green, 4},
        {kModeStopWatch, -12 - 4.5 / 60, "00:12", " hh:mm", false, false, false, "00:12 elapsed",
         LineColour::Green, 12},
    };
    for (const auto& c : cases) {
        TimerState s;
        s.nTimeorInterval = c.mode;
        s.sEventTitle = "Tea";
        s.bWarn = c.warn;
        s.nWarnMin = 180;
        s.bPaused = c.paused;
        s.bSec = c.seconds;
        s.dAlarmTime = now + c.minutesLeft * minute;
        const double countFrom = s.dAlarmTime - 6 * 60 * minute; // six hours before the target
        // The colour is the window's, which the display engine decides; here it passes through.
        TimerFacts facts = factsAt(s, c.minutesLeft * minute);
        facts.colour = c.colour;
        const TimerStatus status = timerStatus(s, {c.value, c.heading, facts, now, countFrom},
                                               QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(status.text, c.text) << c.value.toStdString();
        EXPECT_EQ(status.warning, c.warn && c.minutesLeft > 0) << c.text.toStdString();
        EXPECT_EQ(status.sixtieths, c.sixtieths) << c.text.toStdString();
        EXPECT_EQ(status.title, c.mode == kModeStopWatch ? "Timing of Tea" : "Tempiro to Tea");
    }
}
