#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

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
};

// The system zone (TZ honoured) mapped from its IANA id to its Windows name; a zone without a
// Windows name gives an empty name.
class SystemTimeZoneSource final : public TimeZoneSource {
public:
    TimeZoneQuery query() override;
};

} // namespace platform
