#include "core/TimeValidation.h"

#include "core/DayCount.h"
#include "core/TimerState.h"
#include "fakes/FakePlatform.h"
#include "host/SystemTimeZoneSource.h"

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
    EXPECT_EQ(entry.status, notAValidDate());
    EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM") << "the box is refilled with now";
}

TEST_F(ValidationTest, AnIntervalWithADateOrAZoneIsRefusedAsNoLength) {
    for (const char* typed : {"12/31/2003 8:00 AM", "12/24/2003", "1:30:00 PST", "1:30:00 EST"}) {
        EXPECT_FALSE(validate(typed, kModeInterval)) << typed;
        EXPECT_EQ(entry.status, intervalIsALength()) << typed;
        EXPECT_EQ(entry.text, typed) << "the text stays as typed";
    }
}

TEST_F(ValidationTest, DatesMustLieWithinThirtyCalendarYearsAndInTheFuture) {
    EXPECT_TRUE(validate("12/31/2033 11:59 PM"));
    EXPECT_FALSE(validate("1/1/2034"));
    EXPECT_EQ(entry.status, beyondThirtyYears());
    EXPECT_EQ(entry.text, "1/1/2034") << "the text stays as typed";

    EXPECT_FALSE(validate("  7/4/1990 "));
    EXPECT_EQ(entry.status, inThePast());
    EXPECT_EQ(entry.text, "7/4/1990");

    EXPECT_TRUE(validate("12/25/2003 9:00 PM")) << "exactly now passes";
}

TEST_F(ValidationTest, AZonedBareTimeIsItsNextOccurrenceInThatZone) {
    zones.rules = QTimeZone("America/New_York");
    EXPECT_TRUE(validate("11:00 PM PST")) << "6:00 PM in the Pacific now";
    EXPECT_EQ(entry.text, "12/26/2003 2:00:00 AM");

    zones.rules = QTimeZone("America/Los_Angeles");
    setNow(2003, 12, 25, 21);
    EXPECT_TRUE(validate("1:00 AM EST"));
    EXPECT_EQ(entry.text, "12/25/2003 10:00:00 PM");
    setNow(2003, 12, 25, 23);
    EXPECT_TRUE(validate("1:00 AM EST"));
    EXPECT_EQ(entry.text, "12/26/2003 10:00:00 PM") << "already past in the East: the next one";
}

TEST_F(ValidationTest, UnknownOrLowerCaseZonesAreNotUnderstood) {
    for (const char* typed : {"10:00 PM pst", "PST", "10:00 PM XYZ", "10:00 PM +15:00"}) {
        EXPECT_FALSE(validate(typed)) << typed;
        EXPECT_EQ(entry.status, notAValidDate());
        EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM");
    }
}

namespace {

// The local zone's rules of a zone id, with the host's names of zones.
class LocalZoneOf final : public platform::TimeZoneSource {
public:
    explicit LocalZoneOf(const char* id)
        : m_rules(id) {}
    int offsetFromUtc(qint64 utc) override {
        return m_rules.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, QTimeZone::utc()));
    }
    QString zoneId() override { return QString::fromUtf8(m_rules.id()); }
    std::optional<int> offsetIn(const QString& id, qint64 utc) override {
        return m_host.offsetIn(id, utc);
    }
    std::optional<int> designatedOffset(const QString& name, const QString& locale,
                                        qint64 utc) override {
        return m_host.designatedOffset(name, locale, utc);
    }

private:
    QTimeZone m_rules;
    host::SystemTimeZoneSource m_host;
};

std::string localText(const TimeCheck& check) {
    if (!check.target)
        return {};
    const LocalDateTime at = toLocalDateTime(*check.target);
    return QDateTime(at.date, at.time).toString("yyyy-MM-dd HH:mm").toStdString();
}

} // namespace

TEST(ZonedTarget, TheInstantItNamesInTheLocalZoneAtItsOwnOffset) {
    struct Case {
        const char* zone;
        const char* locale;
        const char* typed;
        const char* local; // empty: refused
    };
    const Case cases[] = {
        {"Europe/Berlin", "en_US", "12/25/2027 10:00 PM PST", "2027-12-26 07:00"},
        {"Asia/Tokyo", "en_US", "12/25/2027 10:00 PM PST", "2027-12-26 15:00"},
        {"Asia/Kolkata", "en_US", "12/25/2027 10:00 PM PST", "2027-12-26 11:30"},
        {"Pacific/Honolulu", "en_US", "12/25/2027 10:00 PM PST", "2027-12-25 20:00"},
        {"America/New_York", "en_US", "12/25/2027 10:00 PM PST", "2027-12-26 01:00"},
        {"America/New_York", "en_US", "7/25/2027 10:00 PM PDT", "2027-07-26 01:00"},
        {"Europe/Berlin", "en_US", "12/25/2027 10:00 PM UTC", "2027-12-25 23:00"},
        {"Europe/Berlin", "en_US", "12/25/2027 10:00 PM GMT", "2027-12-25 23:00"},
        {"Europe/Berlin", "en_US", "2027-12-25T22:00:00Z", "2027-12-25 23:00"},
        {"Europe/Berlin", "en_US", "2027-07-25T22:00:00+01:00", "2027-07-25 23:00"},
        {"Europe/Berlin", "en_GB", "25/12/2027 22:00 +0100", "2027-12-25 22:00"},
        {"Europe/Berlin", "en_GB", "25/12/2027 22:00 UTC+1", "2027-12-25 22:00"},
        {"Europe/Berlin", "de_DE", "25.12.2027 22:00 GMT-8", "2027-12-26 07:00"},
        {"Europe/Berlin", "de_DE", "25.12.2027 22:00 GMT+05:30", "2027-12-25 17:30"},
        {"Asia/Kolkata", "en_GB", "25/12/2027 22:00 CET", "2027-12-26 02:30"},
        {"America/New_York", "en_US", "7/25/2027 10:00 PM CEST", "2027-07-25 16:00"},
        {"America/New_York", "en_US", "7/25/2027 10:00 PM BST", "2027-07-25 17:00"},
        {"Europe/London", "en_GB", "25/12/2027 22:00 AEDT", "2027-12-25 11:00"},
        {"Europe/London", "en_GB", "25/12/2027 22:00 JST", "2027-12-25 13:00"},
        {"Europe/London", "en_GB", "25/12/2027 22:00 NZDT", "2027-12-25 09:00"},
        {"Europe/London", "en_US", "12/25/2027 10:00 PM HST", "2027-12-26 08:00"},
        {"Europe/London", "de_DE", "25.12.2027 22:00 MEZ", "2027-12-25 21:00"},
        {"Europe/London", "de_DE", "25.07.2027 22:00 MESZ", "2027-07-25 21:00"},
        {"Europe/London", "en_IN", "25/12/2027 10:00 pm IST", "2027-12-25 16:30"},
        {"Europe/London", "en_US", "12/25/2027 10:00 PM IST", ""}, // India's or Ireland's
        {"Europe/London", "en_US", "12/25/2027 10:00 PM QQT", ""},
    };
    // Seen from winter and from summer alike: the offset is the target's own.
    for (const QDate today : {QDate(2026, 12, 10), QDate(2027, 7, 1)}) {
        for (const Case& c : cases) {
            LocalZoneOf zones(c.zone);
            const DateText text{QLocale(QString::fromLatin1(c.locale))};
            const TimeCheck check =
                checkTime(c.typed, kModeTime, toDayCount(today, QTime(12, 0)), text, zones);
            EXPECT_EQ(localText(check), c.local) << c.zone << " " << c.locale << " " << c.typed;
        }
    }
}

TEST(ZonedTarget, ATimeAloneIsReadAtTodaysOffsetNotAtTheCalendarsStart) {
    LocalZoneOf zones("Asia/Tokyo"); // Paris kept its own mean time in 1899
    const TimeCheck check = checkTime("22:00 CET", kModeTime, toDayCount(QDate(2026, 12, 10)),
                                      DateText(QLocale("en_GB")), zones);
    EXPECT_EQ(localText(check), "2026-12-10 06:00");
}

TEST(ZonedTarget, EveryDesignationInEachLocalesOwnWriting) {
    const std::pair<const char*, double> designations[] = {
        {"UTC", 0},   {"GMT", 0}, {"+01:00", 1}, {"+0100", 1},       {"UTC+1", 1}, {"GMT-8", -8},
        {"-08", -8},  {"CET", 1}, {"EET", 2},    {"GMT+05:30", 5.5}, {"AEDT", 11}, {"NZDT", 13},
        {"HST", -10}, {"JST", 9}, {"KST", 9},    {"MSK", 3},         {"AKST", -9}, {"WET", 0}};
    const std::pair<const char*, const char*> locales[] = {{"en_US", "12/25/2027 10:00 PM"},
                                                           {"en_GB", "25/12/2027 22:00"},
                                                           {"de_DE", "25.12.2027 22:00"}};
    LocalZoneOf zones("UTC");
    const double now = toDayCount(QDate(2026, 12, 10), QTime(12, 0));
    for (const auto& [locale, written] : locales) {
        const DateText text{QLocale(QString::fromLatin1(locale))};
        for (const auto& [designation, hours] : designations) {
            const QString typed = QString::fromLatin1(written) + u' ' + designation;
            const TimeCheck check = checkTime(typed, kModeTime, now, text, zones);
            ASSERT_TRUE(check.target) << locale << " " << typed.toStdString();
            EXPECT_NEAR((*check.target - toDayCount(QDate(2027, 12, 25), QTime(22, 0))) * 24,
                        -hours, 1e-6)
                << locale << " " << typed.toStdString();
        }
    }
}

TEST_F(ValidationTest, AStopWatchAcceptsAnyTextTrimmed) {
    for (const char* typed : {"", "  anything at all  ", "25:00:00"}) {
        EXPECT_TRUE(validate(typed, kModeStopWatch));
        EXPECT_EQ(entry.text, QString::fromUtf8(typed).trimmed());
        EXPECT_EQ(entry.status, "(untouched)");
    }
}

TEST_F(ValidationTest, AnEmptyEntryIsNotInTheCorrectFormat) {
    EXPECT_FALSE(validate("   "));
    EXPECT_EQ(entry.status, notAValidDate());
    EXPECT_EQ(entry.text, "12/25/2003 9:00:00 PM");
}

TEST_F(ValidationTest, BlanksAreTrimmedEvenWhenRefused) {
    EXPECT_FALSE(validate("   1/1/2034   "));
    EXPECT_EQ(entry.text, "1/1/2034");
}

TEST_F(ValidationTest, TheZoneIsOnlyAskedWhenTheTextDoesNotParse) {
    EXPECT_TRUE(validate("12/26/2003"));
    EXPECT_EQ(zones.queries, 0);
    EXPECT_TRUE(validate("12/26/2003 EST"));
    EXPECT_GT(zones.queries, 0);
}
