#include "timeentry/TimeValidation.h"

#include "core/DayCount.h"
#include "core/TimerState.h"
#include "timeentry/ZoneOffsets.h"

#include <cmath>

namespace tempiro::timeentry {

namespace {

constexpr int kZoneAbbreviationLength = 3;

int yearOf(double dayCount) {
    return toLocalDateTime(dayCount).date.year();
}

} // namespace

bool ValidateTimeEntry(TimeEntryFields& entry, double now, const DateText& text,
                       platform::TimeZoneSource& zones) {
    const QString typed = entry.timeText().trimmed();
    entry.setTimeText(typed);
    const int mode = entry.selectedMode();
    if (mode == kModeStopWatch)
        return true;

    const int currentYear = yearOf(now);
    ParseResult parsed = text.parse(typed, currentYear);
    int shiftHours = 0;
    bool zoned = false;
    if (!parsed) {
        qint16 local = 0;
        timeentry::GetLocalZoneOffset(zones, local);
        qint16 remote = 0;
        if (timeentry::GetRemoteZoneOffset(typed, remote)) {
            // A blank left before the abbreviation does not matter to the parser.
            shiftHours = local - remote;
            zoned = true;
            parsed = text.parse(typed.left(typed.size() - kZoneAbbreviationLength), currentYear);
        }
    }
    if (!parsed) {
        entry.setTimeText(text.generalDate(now));
        entry.setStatus(timeentry::kNotAValidDate);
        return false;
    }
    if (mode == kModeInterval && (zoned || *parsed.value >= 1.0)) {
        entry.setStatus(timeentry::kIntervalIsALength);
        return false;
    }
    double d = *parsed.value + shiftHours / 24.0;

    if (d < 1.0) {
        if (mode == kModeTime) {
            d += std::floor(now);
            if (d < now)
                d += 1.0;
        }
    } else if (yearOf(d) - currentYear > timeentry::kMaxYearsAhead) {
        entry.setStatus(timeentry::kBeyondThirtyYears);
        return false;
    } else if (d < now) {
        entry.setStatus(timeentry::kInThePast);
        return false;
    }
    entry.setTimeText(text.generalDate(d));
    return true;
}

} // namespace tempiro::timeentry
