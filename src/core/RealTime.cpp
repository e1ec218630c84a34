#include "core/RealTime.h"

#include "core/DayCount.h"

#include <algorithm>
#include <cmath>

namespace tempiro {

namespace {

// 1 January 1970 as a day count.
constexpr double kUnixEpochDays = 25569.0;
// Far enough from any instant to see the offsets on both sides of a switch, never two switches.
constexpr qint64 kLookAround = 14 * 3600;

} // namespace

qint64 utcSecondsOf(double real) {
    return std::llround((real - kUnixEpochDays) * kSecondsPerDay);
}

double realFromUtcSeconds(qint64 utcSeconds) {
    return kUnixEpochDays + static_cast<double>(utcSeconds) / kSecondsPerDay;
}

double realFromWall(double wall, const UtcOffsetAt& offsetAt) {
    const qint64 seconds = utcSecondsOf(wall);
    const int before = offsetAt(seconds - kLookAround);
    const int after = offsetAt(seconds + kLookAround);
    // An offset fits when the instant it gives has that offset itself.
    const bool beforeFits = offsetAt(seconds - before) == before;
    const bool afterFits = offsetAt(seconds - after) == after;
    qint64 instant;
    if (beforeFits && afterFits)
        instant = std::min(seconds - before, seconds - after); // twice: the first
    else if (beforeFits || afterFits)
        instant = seconds - (beforeFits ? before : after);
    else
        instant = seconds - before; // in the gap: the old offset carries it past the switch
    return realFromUtcSeconds(instant);
}

double wallFromReal(double real, const UtcOffsetAt& offsetAt) {
    const qint64 seconds = utcSecondsOf(real);
    return realFromUtcSeconds(seconds + offsetAt(seconds));
}

} // namespace tempiro
