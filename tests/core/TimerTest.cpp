#include "core/Timer.h"

#include "core/DayCount.h"
#include "fakes/FakeTimer.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tempiro;
using Option = DisplayOption;

TEST(DisplayOptions, UnitsAndTotalDaysExcludeEachOther) {
    const struct {
        Option toggled;
        bool totalDaysBefore;
        QList<Option> changed;
    } cases[] = {
        {Option::Seconds, true, {Option::Seconds}}, // on → off: Total Days stays
        {Option::Labels, true, {Option::Labels}},
        {Option::TotalDays, true, {Option::TotalDays}},
        {Option::TotalDays, false, {Option::TotalDays, Option::Seconds, Option::Days}},
    };
    for (const auto& c : cases) {
        DisplayOptions options;
        options.bSec = options.bDay = options.bLbl = true;
        options.bTTlDay = c.totalDaysBefore;
        EXPECT_EQ(toggleOption(options, c.toggled), c.changed) << int(c.toggled);
    }
    DisplayOptions totals;
    totals.bTTlDay = true;
    EXPECT_EQ(toggleOption(totals, Option::Minutes),
              (QList<Option>{Option::Minutes, Option::TotalDays}));
    EXPECT_TRUE(totals.bMin && !totals.bTTlDay);
}

namespace {

class TimerTest : public ::testing::Test, public platform::FakeTimer {};

} // namespace

// The timer counts, pauses, warns and saves with no window at all.
TEST_F(TimerTest, RunsWithoutAWindow) {
    QSignalSpy updates(&timer, &Timer::updated);
    timer.tick();
    ASSERT_EQ(updates.size(), 1);
    EXPECT_EQ(updates[0][0].value<DisplayUpdate>().valueText, " 00 02:00:00");

    timer.setPaused(true);
    EXPECT_FALSE(timer.ticker()->isActive());
    AlarmRequest alarm;
    alarm.mode = kModeInterval;
    alarm.time = 2.5 / kMinutesPerDay;
    alarm.warnMinutes = 5;
    alarm.link = "https://auction.example/";
    timer.commitAlarm(alarm);
    EXPECT_TRUE(timer.ticker()->isActive()) << "a new alarm ends the pause";
    EXPECT_EQ(fake.sound.beepCount(), 3) << "three minutes left: three warning beeps";
    EXPECT_EQ(fake.notifier.shown.size(), 1u);

    EXPECT_TRUE(timer.save(std::nullopt).isEmpty());
    EXPECT_EQ(fake.settings.value("sLink"), "https://auction.example/");
    EXPECT_EQ(fake.settings.value("AlarmTimeISO"), "2026-12-08T09:32:30") << "the interval's end";
}

// The alarm's notices offer what can be done about them; a snooze counts five minutes as a new
// interval would, warnings as set, and saves it; the status follows without a window.
TEST_F(TimerTest, TheAlarmsNoticesCanBeAnsweredAndTheStatusFollows) {
    QSignalSpy shows(&timer, &Timer::showRequested);
    QSignalSpy pages(&timer, &Timer::openPageRequested);
    QSignalSpy statuses(&timer, &Timer::statusChanged);
    AlarmRequest alarm;
    alarm.time = timer.now() + 2.0 / kMinutesPerDay;
    alarm.title = "Tea";
    alarm.warnMinutes = 5;
    alarm.link = "https://auction.example/";
    timer.commitAlarm(alarm);
    fake.clock.advanceSeconds(121);
    timer.tick();
    const auto keys = [](const platform::Notification& n) {
        QStringList list;
        for (const auto& [key, label] : n.actions)
            list << key;
        return list;
    };
    ASSERT_EQ(fake.notifier.notices.size(), 2u);
    EXPECT_EQ(keys(fake.notifier.notices[0]), (QStringList{"default", "open-page"}));
    EXPECT_EQ(keys(fake.notifier.notices[1]), (QStringList{"default", "open-page", "snooze"}));
    EXPECT_TRUE(fake.notifier.notices[1].alarm) << "the expiry takes the warning's place";
    EXPECT_FALSE(fake.notifier.notices[0].urgent);
    EXPECT_TRUE(fake.notifier.notices[1].urgent) << "the end stays until answered";
    EXPECT_EQ(timer.status().text, "expired less than a minute ago");

    fake.notifier.onAction("default");
    fake.notifier.onAction("open-page");
    EXPECT_EQ(shows.size(), 1);
    EXPECT_EQ(pages.size(), 1);

    const int withdrawn = fake.notifier.withdrawn;
    fake.notifier.onAction("snooze");
    EXPECT_EQ(fake.notifier.withdrawn, withdrawn + 1);
    EXPECT_EQ(timer.status().text, "00:05:00 left, ends Tue 9:37 AM");
    EXPECT_EQ(fake.settings.value("AlarmTimeISO"), "2026-12-08T09:37:01");
    EXPECT_EQ(fake.settings.value("nTimeorInterval"), "0");
    fake.clock.advanceSeconds(2);
    timer.tick();
    EXPECT_EQ(fake.notifier.notices.size(), 3u) << "the snooze warns as the alarm did";

    const qsizetype before = statuses.size();
    timer.tick();
    EXPECT_EQ(statuses.size(), before) << "a tick that changes nothing shown tells nothing";
    timer.setPaused(true);
    timer.setPaused(false);
    EXPECT_EQ(fake.notifier.withdrawn, withdrawn + 2) << "a resume withdraws the notice";
}

// A new alarm and the display options are saved as they change, several changes in one write,
// so that an ended session loses none of them; a settings file moved aside as unreadable is
// told, and a disk that stays full is told once.
TEST_F(TimerTest, ChangesAreSavedAtOnceInOneWrite) {
    AlarmRequest alarm;
    alarm.mode = kModeInterval;
    alarm.time = 10.0 / kMinutesPerDay;
    timer.commitAlarm(alarm);
    EXPECT_EQ(fake.settings.flushes, 1) << "a committed alarm is saved at once";
    timer.toggleOption(Option::Seconds);
    timer.toggleOption(Option::Labels);
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.settings.flushes, 2) << "two options, one write";
    EXPECT_EQ(fake.settings.value("AlarmTimeISO"), "2026-12-08T09:40:00") << "the interval's end";
    EXPECT_EQ(fake.settings.value("bSec"), "False");

    fake.settings.setAside = "Tempiro Timer.conf.unreadable-20261208-093000";
    timer.save(std::nullopt);
    ASSERT_EQ(fake.notifier.shown.size(), 1u);
    EXPECT_TRUE(fake.notifier.shown[0].second.contains("kept the file as Tempiro Timer.conf."
                                                       "unreadable-20261208-093000"));

    fake.settings.flushFailure = "No space left on device";
    for (int i = 0; i < 3; ++i) {
        timer.toggleOption(Option::Seconds);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(fake.settings.flushes, 6);
    EXPECT_EQ(fake.notifier.shown.size(), 2u) << "a lasting failure told once";
}

// Sleep is held off from the first warning (or the last ten minutes) to a minute after the end,
// only while the Tools option is on and the count runs toward an end.
TEST_F(TimerTest, KeepsTheComputerAwakeNearTheEndOnly) {
    const struct {
        bool option, paused;
        qint16 mode;
        std::optional<qint16> warn;
        double secondsLeft;
        bool held;
    } cases[] = {
        {true, false, kModeTime, std::nullopt, 10 * 60 - 1, true},
        {true, false, kModeTime, std::nullopt, 10 * 60 + 1, false},
        {true, false, kModeTime, 15, 15 * 60 - 1, true},
        {true, false, kModeTime, 15, 15 * 60 + 1, false},
        {true, false, kModeTime, -5, 1, false}, // a warning after the end: from the end
        {true, false, kModeTime, std::nullopt, -59, true},
        {true, false, kModeTime, std::nullopt, -61, false},
        {false, false, kModeTime, std::nullopt, 60, false},
        {true, true, kModeTime, std::nullopt, 60, false},
        {true, false, kModeStopWatch, std::nullopt, 0, false},
    };
    for (const auto& c : cases) {
        if (timer.state().bKeepAwake != c.option)
            timer.toggleOption(Option::KeepAwake);
        AlarmRequest alarm;
        alarm.mode = c.mode;
        alarm.time = timer.now() + c.secondsLeft / 86400;
        alarm.title = "Auction";
        alarm.warnMinutes = c.warn;
        timer.commitAlarm(alarm);
        timer.setPaused(c.paused);
        timer.tick();
        EXPECT_EQ(fake.system.held.isEmpty(), !c.held)
            << c.secondsLeft << (c.paused ? " paused" : "") << (c.option ? "" : " off");
    }
    EXPECT_EQ(fake.system.holds.first(), "Auction ends at 9:39 AM");
    AlarmRequest near;
    near.time = timer.now() + 1.0 / kMinutesPerDay;
    timer.commitAlarm(near);
    EXPECT_EQ(fake.system.held, "The countdown ends at 9:31 AM") << "an untitled alarm";
    timer.commitAlarm({});
    EXPECT_TRUE(fake.system.held.isEmpty()) << "a new alarm lets go";
}

// Waking or a clock set shows at once; an end passed asleep says so, whichever comes first of
// the wake and the tick; an unsynchronised clock is told once and asked again for a new target.
TEST_F(TimerTest, SleepAndTheClockAreFollowed) {
    timer.watchSystem();
    EXPECT_EQ(fake.system.watched, 1);
    EXPECT_EQ(fake.system.asked, 1);
    QSignalSpy updates(&timer, &Timer::updated);
    fake.system.onClockSet();
    EXPECT_EQ(updates.size(), 1);

    for (const bool tickFirst : {false, true}) {
        AlarmRequest alarm;
        alarm.time = timer.now() + 1.0 / kMinutesPerDay;
        timer.commitAlarm(alarm);
        fake.system.onSleep(true);
        fake.clock.advanceSeconds(3600);
        fake.system.suspended += 3600;
        if (tickFirst)
            timer.tick();
        fake.system.onSleep(false);
        EXPECT_TRUE(fake.notifier.notices.back().body.endsWith(", while the computer was asleep."))
            << tickFirst;
    }
    EXPECT_EQ(fake.notifier.notices.back().body,
              "Ended at 10:31 AM, while the computer was asleep.");
    // Only a sleep that happened counts, and only until the computer is seen awake: a word of
    // sleep with no sleep (its wake lost), and an end after a real sleep whose wake was lost.
    for (const double suspended : {0, 3600}) {
        fake.system.onSleep(true);
        fake.system.suspended += suspended;
        timer.tick();
        AlarmRequest awake;
        awake.time = timer.now() + 1.0 / 86400;
        timer.commitAlarm(awake);
        fake.clock.advanceSeconds(2);
        timer.tick();
        EXPECT_FALSE(fake.notifier.notices.back().body.contains("asleep")) << suspended;
    }
    EXPECT_EQ(fake.system.asked, 5) << "each new target asks again";

    QSignalSpy told(&timer, &Timer::clockSynchronisationChanged);
    const size_t before = fake.notifier.shown.size();
    fake.system.onSynchronised(false);
    fake.system.onSynchronised(false);
    EXPECT_TRUE(timer.clockUnsynchronised());
    EXPECT_EQ(told.size(), 2);
    ASSERT_EQ(fake.notifier.shown.size(), before + 1) << "told once a run";
    EXPECT_EQ(fake.notifier.shown.back().second, unsynchronisedClockText());
}

// The day count stands before the time from the moment the shown time reads one hour (or one
// day): the rule follows the shown, rounded seconds, not the fraction behind them.
TEST_F(TimerTest, TheDayCountFollowsTheShownSecondsAtTheHourAndTheDay) {
    QSignalSpy updates(&timer, &Timer::updated);
    for (const auto& [length, shown] :
         {std::pair(1.0 / 24, " 00 01:00:00"), {1.0, " 01 00:00:00"}}) {
        fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(9, 30)));
        AlarmRequest alarm;
        alarm.mode = kModeInterval;
        alarm.time = length;
        timer.commitAlarm(alarm);
        fake.clock.advanceSeconds(0.4);
        timer.tick();
        EXPECT_EQ(updates.last()[0].value<DisplayUpdate>().valueText, shown) << length;
    }
}
