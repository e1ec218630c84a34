#pragma once

#include "platform/TimeZoneSource.h"

namespace tempiro::host {

using platform::TimeZoneSource;

// The system's zone: its offsets as the system's local time has them, and the zone database's
// names of zones.
class SystemTimeZoneSource final : public TimeZoneSource {
public:
    // As the system's local time has it, the same that the clock reads.
    int offsetFromUtc(qint64 utcSeconds) override;
    QString zoneId() override;
    std::optional<int> offsetIn(const QString& zoneId, qint64 utcSeconds) override;
    // From ICU's zone names: the user's locale first, then English as printed in the United
    // States, Britain, Ireland, India, Australia and New Zealand; a few that ICU names in
    // English nowhere (JST, KST, MSK) by their zone.
    std::optional<int> designatedOffset(const QString& abbreviation, const QString& localeName,
                                        qint64 utcSeconds) override;
};

} // namespace tempiro::host
