#include "core/DisplayEngine.h"

#include "core/DayCount.h"

#include <gtest/gtest.h>

using namespace tempiro;

namespace {

constexpr double kSecond = 1.0 / kSecondsPerDay;
constexpr double kMinute = 1.0 / kMinutesPerDay;
constexpr double kHour = 1.0 / 24.0;

class DisplayEngineTest : public ::testing::Test {
protected:
    DisplayEngineTest()
        : text(QLocale(QLocale::English, QLocale::UnitedStates)) {
        FirstStart::apply(state, now);
    }

    DisplayUpdate update() { return decideUpdate(state, now, text); }

    double now = toDayCount(QDate(2026, 12, 8), QTime(12, 0, 0));
    TimerState state;
    DateText text;
};

} // namespace

TEST_F(DisplayEngineTest, DefaultOptionsCountDownInDaysHoursMinutesAndSeconds) {
    state.dAlarmTime = now + 2 * kHour + 3 * kMinute + 4 * kSecond;
    DisplayUpdate u = update();
    EXPECT_TRUE(u.rebuilt);
    EXPECT_EQ(u.heading, " dy hh:mm:ss");
    EXPECT_EQ(u.valueText, " 00 02:03:04");
    EXPECT_EQ(u.colour, LineColour::Green);
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeRemain));
    EXPECT_EQ(u.title, "Tempiro Timer");
    EXPECT_EQ(u.alarmTimeText, "12/8/2026 2:03:04 PM");
    EXPECT_TRUE(u.labelsVisible);
    EXPECT_EQ(u.beeps, 0);

    state.sEventTitle = "Auction";
    EXPECT_EQ(update().title, "Tempiro to Auction");
}

TEST_F(DisplayEngineTest, ElevenDaysOrMoreShowTheCurrentTimeInstead) {
    state.dAlarmTime = now + 12;
    DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, "12/8/2026 12:00:00 PM");
    EXPECT_EQ(u.heading, "");
    EXPECT_EQ(u.systemCaption, caption(Caption::CurrentTime));
    EXPECT_EQ(u.colour, LineColour::Green);

    state.dAlarmTime = now + 10 + 23 * kHour;
    u = update();
    EXPECT_EQ(u.valueText, " 10 23:00:00");
    EXPECT_EQ(u.heading, " dy hh:mm:ss");
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeRemain));
}

TEST_F(DisplayEngineTest, LessThanAnHourLeftTurnsYellowWithoutADayCount) {
    state.dAlarmTime = now + 40 * kMinute;
    const DisplayUpdate u = update();
    EXPECT_EQ(u.colour, LineColour::Yellow);
    EXPECT_EQ(u.valueText, " 00:40:00");
    EXPECT_EQ(u.heading, " hh:mm:ss");
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeRemain));
}

TEST_F(DisplayEngineTest, ExpiryCountsOnWithAPlusInRedAndBeepsFiveTimes) {
    state.dAlarmTime = now - 10 * kSecond;
    int beeps = 0;
    for (int tick = 0; tick < 8; ++tick) {
        const DisplayUpdate u = update();
        EXPECT_EQ(u.beeps, tick < 5 ? 1 : 0) << "tick " << tick;
        EXPECT_EQ(u.pauseAfterBeepMs, 0);
        beeps += u.beeps;
        if (tick == 0) {
            EXPECT_EQ(u.valueText, "+ 00:00:10");
            EXPECT_EQ(u.colour, LineColour::Red);
            EXPECT_EQ(u.systemCaption, caption(Caption::TimeExpired));
        }
        now += kSecond;
    }
    EXPECT_EQ(beeps, 5);

    // A new alarm starts the count of expiry beeps again.
    state.bAlarmTimeChg = true;
    state.dAlarmTime = now - kSecond;
    EXPECT_EQ(update().beeps, 1);
}

TEST_F(DisplayEngineTest, ExactlyAtTheTargetCountsAsExpired) {
    state.dAlarmTime = now;
    const DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, "+ 00:00:00");
    EXPECT_EQ(u.colour, LineColour::Red);
}

TEST_F(DisplayEngineTest, TotalDaysShowsWholeDaysCutTowardZero) {
    state.bSec = state.bMin = state.bHr = state.bDay = false;
    state.bTTlDay = true;
    state.dAlarmTime = now + 3.7;
    DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, "3");
    EXPECT_EQ(u.heading, "Days");

    state.dAlarmTime = now - 2.5;
    u = update();
    EXPECT_EQ(u.valueText, "+-2");
    EXPECT_EQ(u.colour, LineColour::Red);

    state.dAlarmTime = now - 0.5;
    EXPECT_EQ(update().valueText, "+0");
}

TEST_F(DisplayEngineTest, TotalDaysOfARunningStopWatchIsNegativeWithoutAPlus) {
    state.bTTlDay = true;
    state.nTimeorInterval = kModeStopWatch;
    state.dAlarmTime = now - 25 * kHour;
    const DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, "-1");
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeElapsed));
}

TEST_F(DisplayEngineTest, StopWatchDropsWholeDaysOfTheElapsedTime) {
    state.nTimeorInterval = kModeStopWatch;
    state.dAlarmTime = now - 25 * kHour;
    state.sEventTitle = "Marathon";
    const DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, " 01:00:00");
    EXPECT_EQ(u.heading, " hh:mm:ss");
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeElapsed));
    EXPECT_EQ(u.colour, LineColour::Green);
    EXPECT_EQ(u.title, "Timing of Marathon");
    // A stop watch carried over from an earlier run keeps whatever upper caption it had.
    EXPECT_FALSE(u.alarmCaption.has_value());

    state.sEventTitle.clear();
    EXPECT_EQ(update().title, "Stop Watch");
}

TEST_F(DisplayEngineTest, InstallingAStopWatchStartsItNow) {
    state.bAlarmTimeChg = true;
    state.nTimeorInterval = kModeStopWatch;
    state.dAlarmTime = now - 3; // whatever the dialog left there
    DisplayUpdate u = update();
    EXPECT_EQ(u.alarmCaption, caption(Caption::StartTime));
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now);
    EXPECT_EQ(u.valueText, " 00:00:00");
    EXPECT_EQ(u.alarmTimeText, "12/8/2026 12:00:00 PM");

    now += 65 * kSecond;
    u = update();
    EXPECT_EQ(u.valueText, " 00:01:05");
    EXPECT_FALSE(u.alarmCaption.has_value());
}

TEST_F(DisplayEngineTest, WithSecondsHiddenTheTextIsRebuiltOncePerMinuteOrWhenForced) {
    state.bSec = false;
    state.bForceRedraw = false;
    state.dAlarmTime = now + 3 * kHour;
    now = toDayCount(QDate(2026, 12, 8), QTime(12, 0, 37));
    DisplayUpdate u = update();
    EXPECT_FALSE(u.rebuilt);
    EXPECT_EQ(u.colour, LineColour::Green);
    EXPECT_EQ(u.systemCaption, caption(Caption::TimeRemain));
    EXPECT_FALSE(u.alarmTimeText.isEmpty());

    now = toDayCount(QDate(2026, 12, 8), QTime(12, 1, 0));
    u = update();
    EXPECT_TRUE(u.rebuilt);
    EXPECT_EQ(u.valueText, " 00 02:59");
    EXPECT_EQ(u.heading, " dy hh:mm");

    now = toDayCount(QDate(2026, 12, 8), QTime(12, 1, 38));
    state.bForceRedraw = true;
    EXPECT_TRUE(update().rebuilt);
    EXPECT_FALSE(state.bForceRedraw);
    now += kSecond;
    EXPECT_FALSE(update().rebuilt);

    // A new alarm mid-minute is shown at once.
    state.dAlarmTime = now + 10 * kMinute;
    state.bAlarmTimeChg = true;
    u = update();
    EXPECT_TRUE(u.rebuilt);
    EXPECT_EQ(u.valueText, " 00:10");
}

TEST_F(DisplayEngineTest, AMinimisedWindowShowsTheTimeInItsTitle) {
    state.bDay = false;
    state.dAlarmTime = now + kHour + 2 * kMinute + 3 * kSecond;
    EXPECT_EQ(update().minimizedTitle, " 01:02:03 Tempiro Timer");
    state.bDay = true;
    EXPECT_EQ(update().minimizedTitle, " 00 01:02:03 Tempiro Timer");
    EXPECT_EQ(update().title, "Tempiro Timer");
}

TEST_F(DisplayEngineTest, AnIntervalBecomesATargetCountedFromTheFirstUpdate) {
    state.bAlarmTimeChg = true;
    state.nTimeorInterval = kModeInterval;
    state.dAlarmTime = 10 * kMinute;
    DisplayUpdate u = update();
    EXPECT_EQ(state.nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 10 * kMinute);
    EXPECT_EQ(u.alarmCaption, caption(Caption::AlarmTime));
    EXPECT_EQ(u.alarmTimeText, "12/8/2026 12:10:00 PM");
    EXPECT_EQ(u.valueText, " 00:10:00");

    now += kSecond;
    EXPECT_EQ(update().valueText, " 00:09:59");
}

TEST_F(DisplayEngineTest, TakingOverANewAlarmEndsAPause) {
    state.bPaused = true;
    state.nExpireBeeps = 5;
    state.bAlarmTimeChg = true;
    state.dAlarmTime = now + kHour;
    const DisplayUpdate u = update();
    EXPECT_TRUE(u.restartTimer);
    EXPECT_FALSE(state.bPaused);
    EXPECT_FALSE(state.bAlarmTimeChg);
    EXPECT_EQ(state.nExpireBeeps, 0);
    EXPECT_FALSE(update().restartTimer);
}

TEST_F(DisplayEngineTest, LocalTimeReplacesTheTargetOnTheUpperLine) {
    state.bShowLocalTime = true;
    state.dAlarmTime = now + kHour;
    const DisplayUpdate u = update();
    EXPECT_EQ(u.alarmTimeText, "12/8/2026 12:00:00 PM");
    EXPECT_EQ(u.alarmCaption, caption(Caption::LocalTime));
}

TEST_F(DisplayEngineTest, LabelsFollowTheirOption) {
    state.bLbl = false;
    state.dAlarmTime = now + kHour;
    EXPECT_FALSE(update().labelsVisible);
}

TEST_F(DisplayEngineTest, NoUnitsLeaveAnEmptyValueText) {
    state.bSec = state.bMin = state.bHr = state.bDay = false;
    state.dAlarmTime = now - kSecond;
    const DisplayUpdate u = update();
    EXPECT_EQ(u.valueText, "+");
    EXPECT_EQ(u.heading, "");
}

TEST_F(DisplayEngineTest, WarningsCountDownTheLastMinutes) {
    state.bWarn = true;
    state.nWarnMin = 10;
    state.bDay = false;
    state.dAlarmTime = now + 12 * kMinute;

    // Ticks every 30 seconds from 12:00 down to 0:30 left.
    std::vector<int> beepsPerMinuteCount;
    int topmostRequests = 0;
    int restores = 0;
    qint16 lastCount = 0;
    for (int half = 0; half < 24; ++half) {
        const DisplayUpdate u = update();
        restores += u.restoreWindow ? 1 : 0;
        topmostRequests += u.bringToTop ? 1 : 0;
        if (state.nLastWarnMin != lastCount) {
            lastCount = state.nLastWarnMin;
            beepsPerMinuteCount.push_back(u.beeps);
            EXPECT_EQ(u.colour, LineColour::Yellow);
            EXPECT_EQ(u.pauseAfterBeepMs, u.beeps > 1 || lastCount == 1 ? 300 : 0);
        } else {
            EXPECT_EQ(u.beeps, 0) << "a minute count warns once";
        }
        now += 30 * kSecond;
    }
    EXPECT_EQ(beepsPerMinuteCount, (std::vector<int>{1, 1, 1, 1, 1, 5, 4, 3, 2, 1}));
    EXPECT_EQ(topmostRequests, 1);
    EXPECT_EQ(restores, 1);
}

TEST_F(DisplayEngineTest, WarningCountIsTheNextWholeMinute) {
    state.bWarn = true;
    state.nWarnMin = 5;
    state.dAlarmTime = now + 4 * kMinute;
    update();
    EXPECT_EQ(state.nLastWarnMin, 5);
    state.dAlarmTime = now + 5 * kMinute;
    const DisplayUpdate u = update();
    EXPECT_EQ(state.nLastWarnMin, 5) << "six minutes is beyond the lead";
    EXPECT_EQ(u.beeps, 0);
}

TEST_F(DisplayEngineTest, ZeroOrNegativeWarningLeadNeverWarns) {
    state.bWarn = true;
    state.bDay = false;
    for (qint16 lead : {qint16(0), qint16(-3)}) {
        state.nWarnMin = lead;
        state.dAlarmTime = now + 10 * kSecond;
        const DisplayUpdate u = update();
        EXPECT_EQ(u.beeps, 0);
        EXPECT_FALSE(u.bringToTop);
        EXPECT_FALSE(u.colour.has_value());
    }
}

TEST_F(DisplayEngineTest, RemainingBeyondASixteenBitMinuteCountWarnsWithCountZero) {
    state.bWarn = true;
    state.bDay = false;
    state.nWarnMin = 10;
    state.nLastWarnMin = 7;

    state.dAlarmTime = now + 32766 * kMinute + 30 * kSecond; // count 32767: beyond the lead
    DisplayUpdate u = update();
    EXPECT_EQ(state.nLastWarnMin, 7);
    EXPECT_FALSE(u.colour.has_value());

    state.dAlarmTime = now + 32767 * kMinute;
    u = update();
    EXPECT_EQ(state.nLastWarnMin, 0);
    EXPECT_EQ(u.colour, LineColour::Green);
    EXPECT_EQ(u.beeps, 0);
    EXPECT_FALSE(u.bringToTop) << "a warning had been given before";

    // The same count again changes nothing.
    u = update();
    EXPECT_FALSE(u.colour.has_value());
}

// The notice tells the minutes left as a reader counts them, not the beeps' count (3:00 left is
// the fourth warning minute).
TEST_F(DisplayEngineTest, TheWarningsNoticeTellsTheMinutesLeftRoundedUp) {
    state.bWarn = true;
    state.nWarnMin = 10;
    for (const auto& [left, told] :
         {std::pair<double, QString>{3, "3 minutes"}, {2.01, "3 minutes"}, {0.5, "1 minute"}}) {
        state.nLastWarnMin = 0;
        state.dAlarmTime = now + left * kMinute;
        const DisplayUpdate u = update();
        ASSERT_TRUE(u.notice.has_value()) << left;
        EXPECT_EQ(u.notice->body, "Time Remain: " + told) << left;
    }
}

TEST_F(DisplayEngineTest, TheFirstWarningAndTheExpiryAreAnnounced) {
    state.bWarn = true;
    state.nWarnMin = 10;
    state.sEventTitle = "Lot 7";
    state.dAlarmTime = now + 4.5 * kMinute;
    DisplayUpdate u = update();
    ASSERT_TRUE(u.notice.has_value());
    EXPECT_EQ(u.notice->summary, "Lot 7");
    EXPECT_EQ(u.notice->body, "Time Remain: 5 minutes");
    now += kMinute;
    EXPECT_FALSE(update().notice.has_value()) << "later warnings only beep";

    now = state.dAlarmTime + kSecond;
    u = update();
    ASSERT_TRUE(u.notice.has_value());
    EXPECT_EQ(u.notice->body, "Time Expired");
    now += kSecond;
    EXPECT_FALSE(update().notice.has_value());

    state.sEventTitle.clear();
    state.bAlarmTimeChg = true;
    state.dAlarmTime = now - kSecond;
    u = update();
    ASSERT_TRUE(u.notice.has_value());
    EXPECT_EQ(u.notice->summary, "Tempiro Timer");
}

TEST_F(DisplayEngineTest, TheValueIsSpokenEachNumberWithItsUnitAndWordedWithItsDays) {
    struct Case {
        double remaining;
        bool days, totalDays, seconds;
        const char* spoken;
        const char* worded;
    };
    const Case cases[] = {
        {1 + 59 * kMinute + 51 * kSecond, true, false, true, "1 day 0 hours 59 minutes 51 seconds",
         "1 day 00:59:51"},
        {-kHour - 30 * kSecond, false, false, false, "plus 1 hour 0 minutes", "01:00"},
        {12.5, false, true, true, "12 days", "12 days"},
        {12, true, false, true, "12/8/2026 12:00:00 PM", ""},
        {61 * kSecond, true, false, true, "0 hours 1 minute 1 second", "00:01:01"},
        {kHour + 9 * kMinute, true, false, true, "0 days 1 hour 9 minutes 0 seconds", "01:09:00"},
    };
    for (const Case& c : cases) {
        state.bDay = c.days;
        state.bTTlDay = c.totalDays;
        state.bSec = c.seconds;
        state.bForceRedraw = true;
        state.dAlarmTime = now + c.remaining;
        const DisplayUpdate u = update();
        EXPECT_EQ(u.spokenValue.toStdString(), c.spoken) << c.spoken;
        EXPECT_EQ(u.wordedValue.toStdString(), c.worded) << c.spoken;
    }
}
