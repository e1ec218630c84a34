#pragma once

#include "core/DateText.h"
#include "platform/TimeZoneSource.h"

#include <QString>
#include <optional>

namespace tempiro {

// The refusals of a typed target, in the user's language.
QString notAValidDate();
QString beyondThirtyYears();
QString inThePast();
// As short as the other messages: the status line is one line of a small dialog.
QString intervalIsALength();
inline constexpr int kMaxYearsAhead = 30;
// What a typed target comes to: the day count it names (none for a stop watch, which needs no
// time), the text the time box is left with, or the reason it is refused.
struct TimeCheck {
    std::optional<double> target;
    QString text;
    QString refusal;
    bool accepted() const { return refusal.isEmpty(); }
};

// Decides whether a typed entry is acceptable for the mode at `now`: trims it, converts a
// trailing United States zone to local time, completes a bare time of day to its next
// occurrence (Time mode), checks the 30-year and future rules of a dated entry, and gives it in
// General Date form. An interval must be a length alone: with a date it would be counted as some
// 45,000 days, and a zone would shift a length by hours. A text that is no date at all leaves
// the box showing now.
TimeCheck checkTime(const QString& typed, int mode, double now, const DateText& text,
                    platform::TimeZoneSource& zones);

} // namespace tempiro
