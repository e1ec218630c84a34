#pragma once

#include <QString>
#include <QtGlobal>

namespace tempiro::platform {

// What the operating system says of the local time zone: a result code (1 standard time,
// 2 daylight time in effect, anything else a failed query or a zone without daylight time)
// and the zone's standard-time name in the Windows way ("Eastern Standard Time").
struct TimeZoneQuery {
    qint32 resultCode = 0;
    QString standardName;
};

inline constexpr qint32 kTimeZoneStandard = 1;
inline constexpr qint32 kTimeZoneDaylight = 2;

class TimeZoneSource {
public:
    virtual ~TimeZoneSource() = default;
    virtual TimeZoneQuery query() = 0;
    // The local zone's offset east of UTC, in seconds, at an instant (seconds since 1970 UTC):
    // the rule the wall clock follows.
    virtual int offsetFromUtc(qint64 utcSeconds) = 0;
};

} // namespace tempiro::platform
