#include "core/DayCount.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace tempiro;

TEST(DayCount, CountsDaysFromTheEpochWithTheTimeAsFraction) {
    EXPECT_DOUBLE_EQ(toDayCount(QDate(1899, 12, 30)), 0.0);
    EXPECT_DOUBLE_EQ(toDayCount(QDate(2003, 12, 25), QTime(22, 0)), 37980.0 + 22.0 / 24.0);
    EXPECT_DOUBLE_EQ(toDayCount(QDate(1900, 1, 1), QTime(6, 0)), 2.25);
}

TEST(DayCount, IsLinearBeforeTheEpoch) {
    EXPECT_DOUBLE_EQ(toDayCount(QDate(1899, 12, 29), QTime(18, 0)), -0.25);
    const LocalDateTime local = toLocalDateTime(-0.25);
    EXPECT_EQ(local.date, QDate(1899, 12, 29));
    EXPECT_EQ(local.time, QTime(18, 0));
    // Differences across zero are plain subtraction.
    EXPECT_DOUBLE_EQ(toDayCount(QDate(1900, 1, 1)) - toDayCount(QDate(1899, 12, 29)), 3.0);
}

TEST(DayCount, RoundsToTheNearestSecondAndCarriesIntoTheDate) {
    const double almostMidnight = toDayCount(QDate(2004, 2, 28)) + 86399.6 / kSecondsPerDay;
    const LocalDateTime carried = toLocalDateTime(almostMidnight);
    EXPECT_EQ(carried.date, QDate(2004, 2, 29));
    EXPECT_EQ(carried.time, QTime(0, 0));

    const double justAfter = toDayCount(QDate(2004, 2, 28), QTime(10, 0, 5)) + 0.4 / kSecondsPerDay;
    EXPECT_EQ(toLocalDateTime(justAfter).time, QTime(10, 0, 5));
}

TEST(DayCount, RoundTripsEveryDateOfTheSupportedRange) {
    for (const QDate date : {QDate(100, 1, 1), QDate(1899, 12, 30), QDate(2000, 2, 29),
                             QDate(2024, 3, 10), QDate(9999, 12, 31)}) {
        for (const QTime time : {QTime(0, 0), QTime(2, 30), QTime(23, 59, 59)}) {
            const LocalDateTime back = toLocalDateTime(toDayCount(date, time));
            EXPECT_EQ(back.date, date) << date.toString().toStdString();
            EXPECT_EQ(back.time, time) << time.toString().toStdString();
        }
    }
}

TEST(DayCount, UsesTheWallClockReadingOfADateTime) {
    // A reading inside a daylight-saving gap is still a wall-clock time with a day count.
    const QDateTime reading(QDate(2024, 3, 10), QTime(2, 30), QTimeZone::utc());
    EXPECT_DOUBLE_EQ(toDayCount(reading), toDayCount(QDate(2024, 3, 10), QTime(2, 30)));
}

TEST(DayCount, WholeSecondsOfAMagnitude) {
    EXPECT_EQ(wholeSeconds(-(25.0 / 24.0)), 25 * 3600);
    EXPECT_EQ(wholeSeconds(10.4 / kSecondsPerDay), 10);
    EXPECT_EQ(wholeSeconds(-10.6 / kSecondsPerDay), 11);
}
