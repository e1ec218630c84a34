#include "core/ZoneOffsets.h"

#include "fakes/FakePlatform.h"
#include "host/SystemTimeZoneSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

qint16 localOffset(platform::FakeTimeZoneSource& zones) {
    qint16 offset = 0;
    GetLocalZoneOffset(zones, offset);
    return offset;
}

} // namespace

TEST(RemoteZone, TheLastThreeCharactersNameTheZone) {
    const std::vector<std::pair<const char*, qint16>> zones = {
        {"PST", -8}, {"PDT", -7}, {"MST", -7}, {"MDT", -6},
        {"CST", -6}, {"CDT", -5}, {"EST", -5}, {"EDT", -4}};
    for (const auto& [abbreviation, expected] : zones) {
        qint16 offset = 99;
        EXPECT_TRUE(
            GetRemoteZoneOffset(QStringLiteral("12/25/2003 10:00 PM ") + abbreviation, offset));
        EXPECT_EQ(offset, expected) << abbreviation;
    }
    qint16 offset = 99;
    EXPECT_TRUE(GetRemoteZoneOffset("PST", offset)) << "an abbreviation alone still matches";
    EXPECT_TRUE(GetRemoteZoneOffset("7/4/2004 EDT", offset));
    EXPECT_EQ(offset, -4) << "the abbreviation decides, not the season of the date";
}

TEST(RemoteZone, AnythingElseLeavesTheOffsetAlone) {
    for (const char* text :
         {"10:00 PM pst", "10:00 PM Pst", "10:00 PM GMT", "ST", "", "10:00 PM PST "}) {
        qint16 offset = 42;
        EXPECT_FALSE(GetRemoteZoneOffset(text, offset)) << text;
        EXPECT_EQ(offset, 42);
    }
}

TEST(LocalZone, TheFiveUnitedStatesZonesByDaylightState) {
    platform::FakeTimeZoneSource zones;
    zones.set("Eastern Standard Time", true);
    EXPECT_EQ(localOffset(zones), -4);
    zones.set("Eastern Standard Time", false);
    EXPECT_EQ(localOffset(zones), -5);
    zones.set("Pacific Standard Time", true);
    EXPECT_EQ(localOffset(zones), -7);
    zones.set("Mountain Standard Time", false);
    EXPECT_EQ(localOffset(zones), -7);
    zones.set("Central Standard Time", true);
    EXPECT_EQ(localOffset(zones), -5);
    for (const bool daylight : {false, true}) {
        zones.set("US Mountain Standard Time", daylight);
        EXPECT_EQ(localOffset(zones), -7) << "Arizona keeps standard time";
    }
}

TEST(LocalZone, NamesAreTrimmedCutAtANulAndComparedExactly) {
    platform::FakeTimeZoneSource zones;
    zones.set("  Central Standard Time  ", false);
    EXPECT_EQ(localOffset(zones), -6);
    zones.set(QStringLiteral("Central Standard Time") + QChar(u'\0') + "junk", false);
    EXPECT_EQ(localOffset(zones), -6);
    EXPECT_EQ(ReadLocalTimeZone(zones).standardName, "Central Standard Time");
    zones.set("central standard time", false);
    EXPECT_EQ(localOffset(zones), 0);
}

TEST(LocalZone, OtherZonesAndFailedQueriesLeaveTheCallersOffset) {
    platform::FakeTimeZoneSource zones;
    for (const char* name : {"Hawaiian Standard Time", "W. Europe Standard Time", ""}) {
        zones.set(name, true);
        qint16 offset = 0;
        GetLocalZoneOffset(zones, offset);
        EXPECT_EQ(offset, 0) << name;
    }
    zones.zone = {0, "Eastern Standard Time"}; // a failed query counts as standard time
    EXPECT_EQ(localOffset(zones), -5);
    const int before = zones.queries;
    localOffset(zones);
    EXPECT_EQ(zones.queries, before + 1) << "every call asks the system again";
}

TEST(LocalZone, TheSystemZoneFollowsTz) {
    const QByteArray saved = qgetenv("TZ");
    host::SystemTimeZoneSource system;
    qputenv("TZ", "America/Phoenix");
    EXPECT_EQ(system.query().standardName, "US Mountain Standard Time");
    qputenv("TZ", "America/New_York");
    EXPECT_EQ(system.query().standardName, "Eastern Standard Time");
    qputenv("TZ", "Europe/Berlin");
    EXPECT_EQ(system.query().standardName, "W. Europe Standard Time");
    qputenv("TZ", saved);
}

TEST(LocalZone, EveryNameASystemGivesAUnitedStatesZoneIsRecognised) {
    const QByteArray saved = qgetenv("TZ");
    QTemporaryDir dir;
    const QString copy = dir.filePath("localtime");
    ASSERT_TRUE(QFile::copy("/usr/share/zoneinfo/America/Los_Angeles", copy));
    host::SystemTimeZoneSource system;
    const std::pair<QByteArray, const char*> cases[] = {
        {"US/Eastern", "Eastern Standard Time"},
        {"US/Pacific", "Pacific Standard Time"},
        {"US/Central", "Central Standard Time"},
        {"US/Mountain", "Mountain Standard Time"},
        {"US/Arizona", "US Mountain Standard Time"},
        {"Canada/Eastern", "Eastern Standard Time"},
        {"America/Kentucky/Louisville", "Eastern Standard Time"},
        {":America/Chicago", "Central Standard Time"},
        {"EST5EDT,M3.2.0,M11.1.0", "Eastern Standard Time"},
        {"CST6CDT,M3.2.0,M11.1.0", "Central Standard Time"},
        {"MST7", "US Mountain Standard Time"},
        {"/usr/share/zoneinfo/America/Denver", "Mountain Standard Time"},
        {copy.toLocal8Bit(), "Pacific Standard Time"}, // a copy, not a link
        {"Europe/Berlin", "W. Europe Standard Time"},
        {"JST-9", "UTC"}, // a rule of no United States zone
    };
    for (const auto& [tz, windowsName] : cases) {
        qputenv("TZ", tz);
        EXPECT_EQ(system.query().standardName, windowsName) << tz.constData();
    }
    qunsetenv("TZ");
    EXPECT_EQ(host::hostZone("/usr/share/zoneinfo", copy).id, "America/Los_Angeles")
        << "an /etc/localtime copied from the zone database";
    qputenv("TZ", saved);
}
