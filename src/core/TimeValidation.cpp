#include "core/TimeValidation.h"

#include "core/DayCount.h"
#include "core/TimerState.h"
#include "core/ZoneOffsets.h"

#include <cmath>

namespace tempiro {

namespace {

constexpr int kZoneAbbreviationLength = 3;

int yearOf(double dayCount) {
    return toLocalDateTime(dayCount).date.year();
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
    int shiftHours = 0;
    bool zoned = false;
    if (!parsed) {
        qint16 local = 0;
        GetLocalZoneOffset(zones, local);
        qint16 remote = 0;
        if (GetRemoteZoneOffset(check.text, remote)) {
            // A blank left before the abbreviation does not matter to the parser.
            shiftHours = local - remote;
            zoned = true;
            parsed = text.parse(check.text.left(check.text.size() - kZoneAbbreviationLength),
                                currentYear);
        }
    }
    if (!parsed) {
        check.text = text.generalDate(now);
        check.refusal = kNotAValidDate;
        return check;
    }
    if (mode == kModeInterval && (zoned || *parsed.value >= 1.0)) {
        check.refusal = kIntervalIsALength;
        return check;
    }
    double d = *parsed.value + shiftHours / 24.0;

    if (d < 1.0) {
        if (mode == kModeTime) {
            d += std::floor(now);
            if (d < now)
                d += 1.0;
        }
    } else if (yearOf(d) - currentYear > kMaxYearsAhead) {
        check.refusal = kBeyondThirtyYears;
        return check;
    } else if (d < now) {
        check.refusal = kInThePast;
        return check;
    }
    check.text = text.generalDate(d);
    check.target = d;
    return check;
}

} // namespace tempiro
