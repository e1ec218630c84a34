#pragma once

#include "platform/TimeZoneSource.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// A target typed with a zone ("10:00 PM PST", "22:00 CET", "2027-12-25T22:00:00Z") names one
// instant; it is shown and counted in the local zone at the offset the local zone has then.
namespace tempiro {

// True when the text ends in PST, PDT, MST, MDT, CST, CDT, EST or EDT (upper case only), with
// offset set to that zone's hours from UTC; otherwise offset is left alone.
bool GetRemoteZoneOffset(const QString& text, qint16& offset);

// The local zone's offset east of UTC, in seconds, at an instant (seconds since 1970 UTC):
// whatever the zone, at the daylight state of that instant rather than of now.
int GetLocalZoneOffset(platform::TimeZoneSource& zones, qint64 utcSeconds);

// A zone designation ending a typed target: the text before it, and the offset east of UTC in
// seconds when the designation says it itself (the United States abbreviations, UTC, GMT, Z,
// "+01:00", "UTC+1", "GMT+05:30"); otherwise the abbreviation, for the zone database.
struct Designation {
    QString rest;
    std::optional<int> seconds;
    QString abbreviation;
};
std::optional<Designation> trailingDesignation(const QString& text);

} // namespace tempiro
