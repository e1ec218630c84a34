#include "core/TimeValidation.h"

#include "core/DayCount.h"
#include "core/TimerState.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

using namespace tempiro;

namespace {

// The time box and the status line, as the dialog leaves them after a check.
struct Entry {
    QString text;
    QString status = QStringLiteral("(untouched)");
};

class ValidationTest : public ::testing::Test {
protected:
    bool validate(const QString& typed, int mode = kModeTime) {
        const TimeCheck check = checkTime(typed, mode, now, text, zones);
        entry.text = check.text;
        if (!check.accepted())
            entry.status = check.refusal;
        return check.accepted();
    }
    void setNow(int y, int m, int d, int hh, int mm = 0, int ss = 0) {
        now = toDayCount(QDate(y, m, d), QTime(hh, mm, ss));
    }

    Entry entry;
    DateText text{QLocale(QLocale::English, QLocale::UnitedStates)};
    platform::FakeTimeZoneSource zones;
    double now = toDayCount(QDate(2003, 12, 25), QTime(21, 0));
};

} // namespace

TEST_F(ValidationTest, ABareTimeIsItsNextOccurrence) {
    setNow(2003, 12, 25, 21);
    EXPECT_TRUE(validate("10:00 PM"));
    EXPECT_EQ(entry.text, "12/25/2003 10:00:00 PM");
    EXPECT_EQ(entry.status, "(untouched)");

    setNow(2003, 12, 25, 23);
    EXPECT_TRUE(validate("10:00 PM"));
    EXPECT_EQ(entry.text, "12/26/2003 10:00:00 PM");

    setNow(2003, 12, 25, 22);
    EXPECT_TRUE(validate("10:00 PM"));
    EXPECT_EQ(entry.text, "12/25/2003 10:00:00 PM") << "equal to now stays";
}

TEST_F(ValidationTest, AnIntervalIsALengthWithoutFutureTest) {
    EXPECT_TRUE(validate("1:30:00", kModeInterval));
    EXPECT_EQ(entry.text, "1:30:00 AM");
    EXPECT_DOUBLE_EQ(*text.parse(entry.text, 2003).value, 0.0625);

    EXPECT_FALSE(validate("25:00:00", kModeInterval));
    EXPECT_EQ(entry.status, kNotAValidDate);
    EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM") << "the box is refilled with now";
}

TEST_F(ValidationTest, AnIntervalWithADateOrAZoneIsRefusedAsNoLength) {
    zones.set("Eastern Standard Time", false); // EST then shifts by nothing, and is still refused
    for (const char* typed : {"12/31/2003 8:00 AM", "12/24/2003", "1:30:00 PST", "1:30:00 EST"}) {
        EXPECT_FALSE(validate(typed, kModeInterval)) << typed;
        EXPECT_EQ(entry.status, kIntervalIsALength) << typed;
        EXPECT_EQ(entry.text, typed) << "the text stays as typed";
    }
}

TEST_F(ValidationTest, DatesMustLieWithinThirtyCalendarYearsAndInTheFuture) {
    EXPECT_TRUE(validate("12/31/2033 11:59 PM"));
    EXPECT_FALSE(validate("1/1/2034"));
    EXPECT_EQ(entry.status, kBeyondThirtyYears);
    EXPECT_EQ(entry.text, "1/1/2034") << "the text stays as typed";

    EXPECT_FALSE(validate("  7/4/1990 "));
    EXPECT_EQ(entry.status, kInThePast);
    EXPECT_EQ(entry.text, "7/4/1990");

    EXPECT_TRUE(validate("12/25/2003 9:00 PM")) << "exactly now passes";
}

TEST_F(ValidationTest, APacificTimeIsConvertedToEasternTime) {
    zones.set("Eastern Standard Time", false);
    EXPECT_TRUE(validate("12/25/2003 10:00 PM PST"));
    EXPECT_EQ(entry.text, "12/26/2003 1:00:00 AM");

    zones.set("Pacific Standard Time", true);
    EXPECT_TRUE(validate("12/25/2003 10:00 PM PST"));
    EXPECT_EQ(entry.text, "12/25/2003 11:00:00 PM") << "one hour in Pacific daylight time";
}

TEST_F(ValidationTest, AZoneShiftAcrossMidnightMakesABareTimeADate) {
    zones.set("Eastern Standard Time", false);
    EXPECT_FALSE(validate("11:00 PM PST"));
    EXPECT_EQ(entry.status, kInThePast) << "it lands on 31 December 1899";
    EXPECT_EQ(entry.text, "11:00 PM PST");
}

TEST_F(ValidationTest, AZoneShiftBelowMidnightIsCompletedOnce) {
    zones.set("Pacific Standard Time", false);
    setNow(2003, 12, 25, 21);
    EXPECT_TRUE(validate("1:00 AM EST"));
    EXPECT_EQ(entry.text, "12/25/2003 10:00:00 PM");

    setNow(2003, 12, 25, 23);
    EXPECT_TRUE(validate("1:00 AM EST"));
    EXPECT_EQ(entry.text, "12/25/2003 10:00:00 PM") << "already past, and still accepted";
}

TEST_F(ValidationTest, UnknownOrLowerCaseZonesAreNotUnderstood) {
    zones.set("Eastern Standard Time", false);
    EXPECT_FALSE(validate("10:00 PM pst"));
    EXPECT_EQ(entry.status, kNotAValidDate);
    EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM");

    EXPECT_FALSE(validate("PST"));
    EXPECT_EQ(entry.status, kNotAValidDate);
}

TEST_F(ValidationTest, ALocalZoneOutsideTheFiveCountsAsUtc) {
    zones.set("W. Europe Standard Time", false);
    EXPECT_TRUE(validate("12/25/2003 10:00 PM PST"));
    EXPECT_EQ(entry.text, "12/26/2003 6:00:00 AM");
}

TEST_F(ValidationTest, AStopWatchAcceptsAnyTextTrimmed) {
    for (const char* typed : {"", "  anything at all  ", "25:00:00"}) {
        EXPECT_TRUE(validate(typed, kModeStopWatch));
        EXPECT_EQ(entry.text, QString::fromUtf8(typed).trimmed());
        EXPECT_EQ(entry.status, "(untouched)");
    }
    EXPECT_EQ(zones.queries, 0);
}

TEST_F(ValidationTest, AnEmptyEntryIsNotInTheCorrectFormat) {
    EXPECT_FALSE(validate("   "));
    EXPECT_EQ(entry.status, kNotAValidDate);
    EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM");
}

TEST_F(ValidationTest, BlanksAreTrimmedEvenWhenRefused) {
    EXPECT_FALSE(validate("   1/1/2034   "));
    EXPECT_EQ(entry.text, "1/1/2034");
}

TEST_F(ValidationTest, TheZoneIsOnlyAskedWhenTheTextDoesNotParse) {
    EXPECT_TRUE(validate("12/26/2003"));
    EXPECT_EQ(zones.queries, 0);
    validate("12/26/2003 EST");
    EXPECT_EQ(zones.queries, 1);
}
