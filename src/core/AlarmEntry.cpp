#include "core/AlarmEntry.h"

#include "core/TimeValidation.h"
#include "core/WarningMinutes.h"

namespace tempiro {

AlarmEntryResult alarmFromEntry(const AlarmEntry& entry, double now, const DateText& text,
                                platform::TimeZoneSource& zones, double currentTarget) {
    const TimeCheck time = checkTime(entry.timeText, entry.mode, now, text, zones);
    AlarmEntryResult result;
    result.timeText = time.text;
    if (!time.accepted()) {
        result.refusal = time.refusal;
        return result;
    }
    std::optional<qint16> warnMinutes;
    if (entry.warnText) {
        warnMinutes = minutesFromText(*entry.warnText);
        if (!warnMinutes) {
            result.refusal = warningOutOfRange();
            return result;
        }
    }
    AlarmRequest alarm;
    alarm.mode = static_cast<qint16>(entry.mode);
    alarm.time = alarm.mode == kModeStopWatch ? now : time.target.value_or(currentTarget);
    alarm.title = entry.title;
    alarm.warnMinutes = warnMinutes;
    alarm.autoOpen = entry.autoOpen;
    alarm.link = entry.link;
    result.alarm = alarm;
    return result;
}

} // namespace tempiro
