#include "timeentry/AlarmEntry.h"

#include "core/DayCount.h"
#include "timeentry/TimeValidation.h"
#include "timeentry/WarningMinutes.h"

namespace tempiro::timeentry {

namespace {

class EntryFields final : public TimeEntryFields {
public:
    EntryFields(QString time, int mode)
        : m_time(std::move(time))
        , m_mode(mode) {}
    QString timeText() const override { return m_time; }
    void setTimeText(const QString& text) override { m_time = text; }
    int selectedMode() const override { return m_mode; }
    void setStatus(const QString& message) override { m_status = message; }
    const QString& status() const { return m_status; }

private:
    QString m_time;
    int m_mode;
    QString m_status;
};

} // namespace

AlarmEntryResult alarmFromEntry(const AlarmEntry& entry, double now, const DateText& text,
                                platform::TimeZoneSource& zones, double currentTarget) {
    EntryFields fields(entry.timeText, entry.mode);
    AlarmEntryResult result;
    const bool valid = ValidateTimeEntry(fields, now, text, zones);
    result.timeText = fields.timeText();
    if (!valid) {
        result.refusal = fields.status();
        return result;
    }
    std::optional<qint16> warnMinutes;
    if (entry.warnText) {
        warnMinutes = minutesFromText(*entry.warnText);
        if (!warnMinutes) {
            result.refusal = kOutOfRange;
            return result;
        }
    }
    AlarmRequest alarm;
    alarm.mode = static_cast<qint16>(entry.mode);
    alarm.time = currentTarget;
    if (alarm.mode == kModeStopWatch)
        alarm.time = now;
    else if (const ParseResult target =
                 text.parse(result.timeText, toLocalDateTime(now).date.year()))
        alarm.time = *target.value;
    alarm.title = entry.title;
    alarm.warnMinutes = warnMinutes;
    alarm.autoOpen = entry.autoOpen;
    alarm.link = entry.link;
    result.alarm = alarm;
    return result;
}

} // namespace tempiro::timeentry
