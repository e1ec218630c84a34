#pragma once

#include "core/DateText.h"
#include "core/Timer.h"
#include "platform/TimeZoneSource.h"

#include <QString>
#include <optional>

namespace tempiro {

// What the Enter Time dialog's OK reads, wherever it comes from: the dialog's boxes or a
// command given to the running timer.
struct AlarmEntry {
    int mode = kModeTime;
    QString timeText;
    QString title;
    std::optional<QString> warnText; // absent: warnings off
    bool autoOpen = false;
    QString link;
};

struct AlarmEntryResult {
    std::optional<AlarmRequest> alarm; // absent when refused
    QString refusal;                   // the status line's reason
    QString timeText;                  // the time box as the check leaves it
};

// The alarm an OK makes of the entry at `now`: the time checked and completed as the dialog
// checks it, the warning minutes read, and the target kept as `currentTarget` where the entry
// gives none. The same rules and messages for every face that sets an alarm.
AlarmEntryResult alarmFromEntry(const AlarmEntry& entry, double now, const DateText& text,
                                platform::TimeZoneSource& zones, double currentTarget);

} // namespace tempiro
