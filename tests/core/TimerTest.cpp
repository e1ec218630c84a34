#include "core/Timer.h"

#include "core/DayCount.h"
#include "fakes/FakePlatform.h"

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

// The timer counts, pauses, warns and saves with no window at all.
TEST(Timer, RunsWithoutAWindow) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::FakePlatform fake;
    fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(9, 30)));
    Timer timer(fake.services());
    QSignalSpy updates(&timer, &Timer::updated);
    timer.load();
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
    timer.setAlarm(alarm);
    timer.tick();
    EXPECT_TRUE(timer.ticker()->isActive()) << "a new alarm ends the pause";
    EXPECT_EQ(fake.sound.beepCount(), 3) << "three minutes left: three warning beeps";
    EXPECT_EQ(fake.notifier.shown.size(), 1u);

    EXPECT_TRUE(timer.save(std::nullopt).isEmpty());
    EXPECT_EQ(fake.settings.value("sLink"), "https://auction.example/");
    EXPECT_EQ(fake.settings.value("AlarmTimeISO"), "2026-12-08T09:32:30") << "the interval's end";
    QLocale::setDefault(QLocale::c());
}
