#pragma once

#include "platform/TimeZoneSource.h"

#include <QString>
#include <QtGlobal>

// Converting a target typed with a United States zone abbreviation ("10:00 PM PST") to local
// time: the hours to add are the local zone's offset minus the typed zone's, in whole hours.
namespace tempiro::timeentry {

// The last query of the local zone, refreshed by every GetLocalZoneOffset.
struct LocalZoneState {
    qint32 resultCode = 0;
    QString standardName;
};
extern LocalZoneState localZone;

inline constexpr int kMaxZoneNameLength = 32;

// True when the text ends in PST, PDT, MST, MDT, CST, CDT, EST or EDT (upper case only), with
// offset set to that zone's hours from UTC; otherwise offset is left alone.
bool GetRemoteZoneOffset(const QString& text, qint16& offset);

// Sets offset to the local zone's hours from UTC for the daylight state in effect now, when
// the local zone is one of the five United States zones known; otherwise leaves it alone.
void GetLocalZoneOffset(platform::TimeZoneSource& zones, qint16& offset);

// Queries the platform into localZone.
void ReadLocalTimeZone(platform::TimeZoneSource& zones);

} // namespace tempiro::timeentry
