#pragma once

#include "platform/TimeZoneSource.h"

namespace tempiro::host {

using platform::TimeZoneQuery;
using platform::TimeZoneSource;

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

} // namespace tempiro::host
