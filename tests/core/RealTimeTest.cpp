#include "core/RealTime.h"

#include "core/DayCount.h"
#include "core/DisplayEngine.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

UtcOffsetAt offsetsOf(const char* zone) {
    const QTimeZone rules(zone);
    return [rules](qint64 seconds) {
        return rules.offsetFromUtc(QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()));
    };
}

double wall(int y, int m, int d, int hh, int mm, int ss = 0) {
    return toDayCount(QDate(y, m, d), QTime(hh, mm, ss));
}

// Real time shown the way a wall clock in UTC would read it.
QDateTime asUtc(double real) {
    const LocalDateTime t = toLocalDateTime(real);
    return QDateTime(t.date, t.time, QTimeZone::utc());
}

} // namespace

TEST(RealTime, WallTimesAroundBothSwitchesBecomeOneInstantEach) {
    struct Case {
        const char* zone;
        double wall;
        const char* utc;
        bool inGap; // read back an hour later, as the clock shows it
    } cases[] = {
        {"America/New_York", wall(2026, 7, 1, 12, 0), "2026-07-01T16:00:00", false},
        {"America/New_York", wall(2026, 11, 1, 1, 30), "2026-11-01T05:30:00", false}, // the first
        {"America/New_York", wall(2026, 11, 1, 2, 0), "2026-11-01T07:00:00", false},
        {"America/New_York", wall(2027, 3, 14, 2, 30), "2027-03-14T07:30:00", true},
        {"America/New_York", wall(2027, 3, 14, 3, 0), "2027-03-14T07:00:00", false},
        {"Europe/Berlin", wall(2026, 10, 25, 2, 30), "2026-10-25T00:30:00", false},
        {"Europe/Berlin", wall(2027, 3, 28, 2, 30), "2027-03-28T01:30:00", true},
    };
    for (const Case& c : cases) {
        const double real = realFromWall(c.wall, offsetsOf(c.zone));
        EXPECT_EQ(asUtc(real).toString("yyyy-MM-ddTHH:mm:ss"), QString(c.utc)) << c.zone;
        EXPECT_NEAR(wallFromReal(real, offsetsOf(c.zone)), c.wall + (c.inGap ? 1.0 / 24 : 0), 1e-9)
            << c.utc;
    }
}

TEST(RealTime, CountdownsIntervalsAndStopWatchesRunInRealTimeAcrossTheSwitches) {
    const DateText text(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto at = [&](double wallNow, const char* utcNow) {
        return Moment{
            wallNow,
            realFromUtcSeconds(
                QDateTime::fromString(utcNow + QString("Z"), Qt::ISODate).toSecsSinceEpoch())};
    };
    struct Case {
        const char* zone;
        const char* what;
        int mode;
        double alarm; // target, interval or start
        Moment now;
        const char* shown;
        const char* target; // after an interval has begun
    } cases[] = {
        {"America/New_York", "autumn countdown", kModeTime, wall(2026, 11, 1, 3, 0),
         at(wall(2026, 11, 1, 0, 30), "2026-11-01T04:30:00"), " 00 03:30:00", ""},
        {"America/New_York", "spring countdown", kModeTime, wall(2027, 3, 14, 3, 30),
         at(wall(2027, 3, 14, 1, 30), "2027-03-14T06:30:00"), " 00 01:00:00", ""},
        {"America/New_York", "stop watch over the repeated hour", kModeStopWatch,
         wall(2026, 11, 1, 1, 30), at(wall(2026, 11, 1, 1, 10), "2026-11-01T06:10:00"), "00:40:00",
         ""},
        {"America/New_York", "two-minute interval at 1:59:30 on the autumn day", kModeInterval,
         2.0 / kMinutesPerDay, at(wall(2026, 11, 1, 1, 59, 30), "2026-11-01T05:59:30"), "00:02:00",
         "11/1/2026 1:01:30 AM"},
        {"Europe/Berlin", "spring countdown", kModeTime, wall(2027, 3, 28, 4, 0),
         at(wall(2027, 3, 28, 1, 0), "2027-03-28T00:00:00"), " 00 02:00:00", ""},
        {"Europe/Berlin", "stop watch over the spring gap", kModeStopWatch,
         wall(2027, 3, 28, 1, 30), at(wall(2027, 3, 28, 3, 30), "2027-03-28T01:30:00"), "01:00:00",
         ""},
        {"Europe/Berlin", "hour-long interval before the autumn switch", kModeInterval, 1.0 / 24,
         at(wall(2026, 10, 25, 2, 30), "2026-10-25T00:30:00"), " 00 01:00:00",
         "10/25/2026 2:30:00 AM"},
    };
    for (const Case& c : cases) {
        TimerState state;
        FirstStart::apply(state, c.now.wall); // every unit shown
        state.nTimeorInterval = static_cast<qint16>(c.mode);
        state.dAlarmTime = c.alarm;
        const DisplayUpdate u = decideUpdate(state, c.now, offsetsOf(c.zone), text);
        EXPECT_TRUE(u.valueText.endsWith(c.shown)) << c.what << ": " << u.valueText.toStdString();
        if (*c.target) {
            EXPECT_EQ(text.generalDate(state.dAlarmTime), c.target) << c.what;
            // A second later the interval still has all but a second to run.
            const Moment later{c.now.wall + 1.0 / kSecondsPerDay,
                               c.now.real + 1.0 / kSecondsPerDay};
            const DisplayUpdate next = decideUpdate(state, later, offsetsOf(c.zone), text);
            EXPECT_EQ(next.systemCaption, caption(Caption::TimeRemain)) << c.what;
        }
    }
}
