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

// The local zone however the system names it: TZ as a zone id or any of its aliases
// ("US/Eastern"), a path to a zone file, or a POSIX rule; without TZ, /etc/localtime as a link or
// a copy. The canonical IANA id ("Etc/UTC" when none can be found) and whether daylight time is
// in effect now.
struct HostZone {
    QString id;
    bool daylight = false;
};
HostZone hostZone(const QString& zoneInfo = QStringLiteral("/usr/share/zoneinfo"),
                  const QString& localTime = QStringLiteral("/etc/localtime"));

// The system zone mapped from its IANA id to its Windows name; a zone without a Windows name
// gives an empty name.
class SystemTimeZoneSource final : public TimeZoneSource {
public:
    TimeZoneQuery query() override;
    // As the system's local time has it, the same that the clock reads.
    int offsetFromUtc(qint64 utcSeconds) override;
};

} // namespace tempiro::platform
