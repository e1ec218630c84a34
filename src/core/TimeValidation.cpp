#include "core/TimeValidation.h"

#include "core/DayCount.h"
#include "core/RealTime.h"
#include "core/TimerState.h"
#include "core/Translate.h"
#include "core/ZoneOffsets.h"

#include <cmath>

namespace tempiro {

QString notAValidDate() {
    return EntryText::tr("Date/time is not in the correct format.");
}

QString beyondThirtyYears() {
    return EntryText::tr("Date must be within 30 years.");
}

QString inThePast() {
    return EntryText::tr("Date/time must be in the future.");
}

QString intervalIsALength() {
    return EntryText::tr("Interval must be a length, like 1:30:00.");
}

namespace {

int yearOf(double dayCount) {
    return toLocalDateTime(dayCount).date.year();
}

// The local wall time of a target typed in another zone: the instant it names, at the offset
// the local zone has then. A bare time is the next occurrence of that time in its zone.
std::optional<double> localTimeOf(double typed, const Designation& zone, double now,
                                  const DateText& text, platform::TimeZoneSource& zones) {
    const std::optional<int> offset =
        zone.seconds ? zone.seconds
                     : zones.designatedOffset(zone.abbreviation, text.locale().name(),
                                              utcSecondsOf(typed < 1.0 ? now : typed));
    if (!offset)
        return std::nullopt;
    const UtcOffsetAt localOffset = [&zones](qint64 utc) { return GetLocalZoneOffset(zones, utc); };
    const double shift = *offset / kSecondsPerDay;
    double wall = typed;
    if (typed < 1.0) {
        const double zoneNow = realFromWall(now, localOffset) + shift;
        wall += std::floor(zoneNow);
        if (wall < zoneNow)
            wall += 1.0;
    }
    return wallFromReal(wall - shift, localOffset);
}

} // namespace

TimeCheck checkTime(const QString& typed, int mode, double now, const DateText& text,
                    platform::TimeZoneSource& zones) {
    TimeCheck check;
    check.text = typed.trimmed();
    if (mode == kModeStopWatch)
        return check;

    const int currentYear = yearOf(now);
    ParseResult parsed = text.parse(check.text, currentYear);
    std::optional<Designation> zone;
    if (!parsed && (zone = trailingDesignation(check.text)))
        parsed = text.parse(zone->rest, currentYear);
    if (parsed && mode == kModeInterval && (zone || *parsed.value >= 1.0)) {
        check.refusal = intervalIsALength();
        return check;
    }
    std::optional<double> target = parsed.value;
    if (parsed && zone)
        target = localTimeOf(*parsed.value, *zone, now, text, zones);
    if (!target) {
        check.text = text.generalDate(now);
        check.refusal = notAValidDate();
        return check;
    }
    double d = *target;

    if (d < 1.0) {
        if (mode == kModeTime) {
            d += std::floor(now);
            if (d < now)
                d += 1.0;
        }
    } else if (yearOf(d) - currentYear > kMaxYearsAhead) {
        check.refusal = beyondThirtyYears();
        return check;
    } else if (d < now) {
        check.refusal = inThePast();
        return check;
    }
    check.text = text.generalDate(d);
    check.target = d;
    return check;
}

} // namespace tempiro
