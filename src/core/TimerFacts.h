#pragma once

#include "core/TimerState.h"

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace tempiro {

inline constexpr double kOneHour = 1.0 / 24.0;

// What the timer is at one moment, worked out once by each update and read by every face: the
// main window, the notification-area item, the status line and what a screen reader hears. Two
// faces that worked these out each for itself would sooner or later disagree.
struct TimerFacts {
    double remaining = 0; // real time to the target, negative once passed or for a stop watch
    bool stopWatch = false;
    bool expired = false;
    // The warning step's minute count, and whether warnings are sounding: on, the count
    // within their lead, the end not yet reached.
    qint16 warningMinutes = 0;
    bool warning = false;
    bool paused = false;
    // The lower line's colour as the window shows it: it keeps the last colour an update gave
    // it (red, as laid out, before the first), and turns yellow on a pause.
    LineColour colour = LineColour::Red;
    bool operator==(const TimerFacts&) const = default;
};

// The minute count of a warning: whole minutes left plus one, so 5 from 4 minutes up to 5;
// 0 when it does not fit a 16-bit count.
qint16 warningMinutes(double remaining);

// The facts of `state` with `remaining` real time to go; the colour is the caller's to carry.
TimerFacts factsAt(const TimerState& state, double remaining);

// Hours, minutes and seconds, two digits each, the hours counted on past a day: "49:59:51".
QString clockText(std::int64_t seconds);
// A wait of a day or more with its days in words: "381 days 05:32:19"; a shorter one as a clock.
QString waitText(std::int64_t seconds);

enum class TimeUnit { Day, Hour, Minute, Second };
// A number with its unit, as said: "1 hour", "59 minutes".
QString unitCount(std::int64_t n, TimeUnit unit);

} // namespace tempiro
