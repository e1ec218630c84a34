#pragma once

#include "core/RealTime.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdint>
#include <optional>

// Dates and times are day counts: days since 30 December 1899 at midnight, the fraction being
// the time of day. The scale is linear on both sides of zero (-0.25 is 29 Dec 1899 18:00), so
// differences and comparisons are plain arithmetic. This is the one place where day counts meet
// civil dates; it never goes through a time zone, so a wall-clock time inside a daylight-saving
// gap still has a day count.
namespace tempiro {

inline constexpr std::int64_t kSecondsInDay = 86400;
inline constexpr double kSecondsPerDay = kSecondsInDay;
inline constexpr double kMinutesPerDay = 1440.0;

struct LocalDateTime {
    QDate date;
    QTime time; // whole seconds
};

QDate dayCountEpoch();

double toDayCount(const QDate& date, const QTime& time = QTime(0, 0));
double toDayCount(const QDateTime& wallClock);
// One reading of the clock as both kinds of day count.
Moment momentOf(const QDateTime& wallClock);

// Rounded to the nearest whole second, carrying into the date.
LocalDateTime toLocalDateTime(double dayCount);

// A day count as ISO 8601 local wall time ("2027-04-03T22:00:00"), which every locale reads
// alike, and back; nothing for a text that is not one.
QString isoText(double dayCount);
std::optional<double> fromIsoText(const QString& text);

// The whole seconds of a value's magnitude (rounded), for the time-of-day fields of a
// remaining or elapsed time.
std::int64_t wholeSeconds(double dayCount);

} // namespace tempiro
