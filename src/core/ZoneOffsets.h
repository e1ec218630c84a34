#pragma once

#include "platform/TimeZoneSource.h"

#include <QString>
#include <QtGlobal>

// Converting a target typed with a United States zone abbreviation ("10:00 PM PST") to local
// time: the hours to add are the local zone's offset minus the typed zone's, in whole hours.
namespace tempiro {

// A query of the local zone: its result code and standard name.
struct LocalZoneState {
    qint32 resultCode = 0;
    QString standardName;
};

inline constexpr int kMaxZoneNameLength = 32;

// True when the text ends in PST, PDT, MST, MDT, CST, CDT, EST or EDT (upper case only), with
// offset set to that zone's hours from UTC; otherwise offset is left alone.
bool GetRemoteZoneOffset(const QString& text, qint16& offset);

// Sets offset to the local zone's hours from UTC for the daylight state in effect now, when
// the local zone is one of the five United States zones known; otherwise leaves it alone.
void GetLocalZoneOffset(platform::TimeZoneSource& zones, qint16& offset);

// Queries the platform, the name cut at a NUL and to its longest.
LocalZoneState ReadLocalTimeZone(platform::TimeZoneSource& zones);

} // namespace tempiro
