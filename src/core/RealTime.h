#pragma once

#include <QtGlobal>
#include <functional>

// The alarm is kept and shown as local wall-clock time, but time passes in real time: across a
// daylight-saving switch the wall clock jumps an hour while a countdown must not. Real time is
// a day count too, counted in UTC (days since 30 December 1899 at midnight UTC), so the two
// kinds subtract alike.
namespace tempiro {

// The local zone's offset east of UTC, in seconds, in effect at an instant given in seconds
// since 1970 (UTC).
using UtcOffsetAt = std::function<int(qint64 utcSeconds)>;

// A wall-clock time of the local zone as real time. A wall time that occurs twice (the autumn
// switch) means its first occurrence; one that does not occur (inside the spring gap) is moved
// forward by the gap, as a clock put forward would show it.
double realFromWall(double wall, const UtcOffsetAt& offsetAt);
double wallFromReal(double real, const UtcOffsetAt& offsetAt);
double realFromUtcSeconds(qint64 utcSeconds);
qint64 utcSecondsOf(double real);

// One reading of the clock in both kinds.
struct Moment {
    double wall = 0;
    double real = 0;
};

} // namespace tempiro
