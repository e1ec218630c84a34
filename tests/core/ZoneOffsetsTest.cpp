#include "core/ZoneOffsets.h"

#include "fakes/FakePlatform.h"
#include "host/SystemTimeZoneSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

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

TEST(LocalZone, TheSystemsOffsetFollowsEveryNameItGivesItsZone) {
    const QByteArray saved = qgetenv("TZ");
    QTemporaryDir dir;
    const QString copy = dir.filePath("localtime");
    ASSERT_TRUE(QFile::copy("/usr/share/zoneinfo/America/Los_Angeles", copy));
    host::SystemTimeZoneSource system;
    const qint64 january = QDateTime(QDate(2027, 1, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 july = QDateTime(QDate(2027, 7, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    const std::tuple<QByteArray, int, int> cases[] = {
        {"US/Eastern", -5, -4},
        {"America/Phoenix", -7, -7},
        {":America/Chicago", -6, -5},
        {"EST5EDT,M3.2.0,M11.1.0", -5, -4},
        {"/usr/share/zoneinfo/America/Denver", -7, -6},
        {copy.toLocal8Bit(), -8, -7}, // a copy, not a link
        {"Europe/Berlin", 1, 2},
        {"Australia/Sydney", 11, 10},
    };
    for (const auto& [tz, winter, summer] : cases) {
        qputenv("TZ", tz);
        EXPECT_EQ(system.offsetFromUtc(january), winter * 3600) << tz.constData();
        EXPECT_EQ(system.offsetFromUtc(july), summer * 3600) << tz.constData();
    }
    qputenv("TZ", "Asia/Kolkata");
    EXPECT_EQ(system.offsetFromUtc(january), 19800) << "half an hour";
    qputenv("TZ", saved);
}
