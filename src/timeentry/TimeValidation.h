#pragma once

#include "core/DateText.h"
#include "platform/TimeZoneSource.h"

#include <QString>

namespace tempiro::timeentry {

// What the validation reads and writes of the time entry dialog.
class TimeEntryFields {
public:
    virtual ~TimeEntryFields() = default;
    virtual QString timeText() const = 0;
    virtual void setTimeText(const QString& text) = 0;
    virtual int selectedMode() const = 0; // 0 Time, 1 Interval, 2 Stop watch
    virtual void setStatus(const QString& message) = 0;
};

inline const QString kNotAValidDate = QStringLiteral("Date/time is not in the correct format.");
inline const QString kBeyondThirtyYears = QStringLiteral("Date must be within 30 years.");
inline const QString kInThePast = QStringLiteral("Date/time must be in the future.");
// As short as the other messages: the status line is one line of a small dialog.
inline const QString kIntervalIsALength =
    QStringLiteral("Interval must be a length, like 1:30:00.");
inline constexpr int kMaxYearsAhead = 30;
// Decides whether the time box holds an acceptable entry for the selected mode at `now`:
// trims it, converts a trailing United States zone to local time, completes a bare time of
// day to its next occurrence (Time mode), checks the 30-year and future rules of a dated entry,
// and rewrites the box in General Date form. An interval must be a length alone: with a date it
// would be counted as some 45,000 days, and a zone would shift a length by hours. On refusal
// the status line says why.
bool ValidateTimeEntry(TimeEntryFields& entry, double now, const DateText& text,
                       platform::TimeZoneSource& zones);

} // namespace tempiro::timeentry
