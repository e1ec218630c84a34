#include "core/ZoneOffsets.h"

#include "core/modMain.h"

#include <array>

namespace tempiro {

namespace {

struct RemoteZone {
    const char* abbreviation;
    qint16 offset;
};

constexpr std::array<RemoteZone, 8> kRemoteZones{{{"PST", -8},
                                                  {"PDT", -7},
                                                  {"MST", -7},
                                                  {"MDT", -6},
                                                  {"CST", -6},
                                                  {"CDT", -5},
                                                  {"EST", -5},
                                                  {"EDT", -4}}};

struct LocalZone {
    const char* standardName;
    qint16 standardOffset;
    qint16 daylightOffset;
};

constexpr std::array<LocalZone, 5> kLocalZones{{{"Pacific Standard Time", -8, -7},
                                                {"US Mountain Standard Time", -7, -7},
                                                {"Mountain Standard Time", -7, -6},
                                                {"Central Standard Time", -6, -5},
                                                {"Eastern Standard Time", -5, -4}}};

} // namespace

bool GetRemoteZoneOffset(const QString& text, qint16& offset) {
    const QString suffix = text.right(3);
    for (const RemoteZone& zone : kRemoteZones) {
        if (suffix == QLatin1String(zone.abbreviation)) {
            offset = zone.offset;
            return true;
        }
    }
    return false;
}

LocalZoneState ReadLocalTimeZone(platform::TimeZoneSource& zones) {
    const platform::TimeZoneQuery query = zones.query();
    LocalZoneState localZone;
    localZone.resultCode = query.resultCode;
    QString name = query.standardName.left(kMaxZoneNameLength);
    if (const qsizetype nul = name.indexOf(QChar(u'\0')); nul >= 0)
        name.truncate(nul);
    localZone.standardName = name;
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Time zone: %1, daylight: %2")
                               .arg(localZone.standardName)
                               .arg(localZone.resultCode == platform::kTimeZoneDaylight));
    return localZone;
}

void GetLocalZoneOffset(platform::TimeZoneSource& zones, qint16& offset) {
    const LocalZoneState localZone = ReadLocalTimeZone(zones);
    const bool daylight = localZone.resultCode == platform::kTimeZoneDaylight;
    const QString name = localZone.standardName.trimmed();
    for (const LocalZone& zone : kLocalZones) {
        if (name == QLatin1String(zone.standardName)) {
            offset = daylight ? zone.daylightOffset : zone.standardOffset;
            if (modMain::bTrace)
                modMain::TraceLine(QStringLiteral("Local zone offset: %1").arg(offset));
            return;
        }
    }
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Time zone not recognised: ") + name);
}

} // namespace tempiro
