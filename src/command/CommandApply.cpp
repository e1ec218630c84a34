#include "command/CommandApply.h"

#include "core/AlarmEntry.h"
#include "core/DayCount.h"
#include "core/TimerFacts.h"
#include "core/Translate.h"

#include <QJsonDocument>

namespace tempiro::command {

Answer statusAnswer(const TimerState& state, const QString& link, const Moment& now,
                    const UtcOffsetAt& offsetAt, const DateText& text, bool running, bool json) {
    const StatusReport report = statusReport(state, link, now, offsetAt, text, running);
    Answer answer;
    answer.status = running ? kExitOk : kExitNotRunning;
    answer.out =
        (json ? QString::fromUtf8(QJsonDocument(report.json).toJson(QJsonDocument::Compact))
              : terminalSafe(report.line)) +
        u'\n';
    return answer;
}

namespace {

// The zone a command was given in, for reading its target there: the running timer's own zone
// source, asked for another zone's offsets.
class CallerZone final : public platform::TimeZoneSource {
public:
    CallerZone(platform::TimeZoneSource& own, const QString& id)
        : m_own(own)
        , m_id(id) {}
    int offsetFromUtc(qint64 utc) override {
        return m_own.offsetIn(m_id, utc).value_or(m_own.offsetFromUtc(utc));
    }
    QString zoneId() override { return m_id; }
    std::optional<int> offsetIn(const QString& id, qint64 utc) override {
        return m_own.offsetIn(id, utc);
    }
    std::optional<int> designatedOffset(const QString& name, const QString& locale,
                                        qint64 utc) override {
        return m_own.designatedOffset(name, locale, utc);
    }

private:
    platform::TimeZoneSource& m_own;
    QString m_id;
};

} // namespace

Answer applyCommand(Timer& timer, const Command& command) {
    Answer answer;
    QString note; // said on standard error before whatever the command answers
    if (command.setsAlarm()) {
        AlarmEntry entry;
        // Without a new target only the fields are checked (a stop watch has no time to check):
        // the running alarm may well have expired, and its count goes on.
        entry.mode = command.lengthSeconds ? kModeStopWatch : command.mode.value_or(kModeStopWatch);
        entry.timeText = command.timeText;
        entry.title = command.title.value_or(timer.state().sEventTitle);
        if (command.warnMinutes) {
            if (command.warnMinutes->trimmed() != QLatin1String("0"))
                entry.warnText = *command.warnMinutes;
        } else if (timer.state().bWarn) {
            entry.warnText = QString::number(timer.state().nWarnMin);
        }
        entry.autoOpen = command.autoOpen.value_or(timer.state().bAutoOpen);
        entry.link = command.url.value_or(timer.link());
        const Moment now = timer.moment();
        // The target is read as where the command was typed: in its locale, on its clock.
        platform::TimeZoneSource& zones = timer.services().zones;
        const bool elsewhere = !command.zone.isEmpty() && command.zone != zones.zoneId() &&
                               zones.offsetIn(command.zone, 0);
        CallerZone caller(zones, elsewhere ? command.zone : zones.zoneId());
        const UtcOffsetAt callerOffset = [&caller](qint64 utc) {
            return caller.offsetFromUtc(utc);
        };
        const std::optional<DateText> callerText =
            command.locale.isEmpty() || command.locale == timer.text().locale().name()
                ? std::nullopt
                : std::optional<DateText>(QLocale(command.locale));
        AlarmEntryResult result =
            alarmFromEntry(entry, elsewhere ? wallFromReal(now.real, callerOffset) : now.wall,
                           callerText ? *callerText : timer.text(), elsewhere ? caller : zones,
                           timer.state().dAlarmTime);
        if (!result.alarm)
            return {kExitBadInput, {}, result.refusal + u'\n'};
        if (elsewhere && command.mode == kModeTime && !command.lengthSeconds)
            result.alarm->time =
                wallFromReal(realFromWall(result.alarm->time, callerOffset), timer.offsetAt());
        if (command.lengthSeconds) {
            // Counted in real seconds: a length across a change of the clocks ends when it
            // says, not an hour off.
            result.alarm->mode = kModeTime;
            result.alarm->time =
                wallFromReal(now.real + *command.lengthSeconds / kSecondsPerDay, timer.offsetAt());
            note = CommandText::tr("tempiro: %1 is longer than an Interval can be "
                                   "(23:59:59); the alarm is set to end at %2.\n")
                       .arg(clockText(*command.lengthSeconds),
                            timer.text().generalDate(result.alarm->time));
        }
        const QString failure = timer.commitAlarm(*result.alarm, command.mode.has_value());
        if (!failure.isEmpty())
            return {kExitFailed,
                    {},
                    note + CommandText::tr("Tempiro Timer could not save its settings: %1\n")
                               .arg(failure)};
        answer = statusAnswer(timer.state(), timer.link(), now, timer.offsetAt(), timer.text(),
                              true, command.json);
    }
    switch (command.pause) {
    case Command::Pause::Pause:
        timer.setPaused(true);
        break;
    case Command::Pause::Resume:
        if (timer.state().bPaused)
            timer.setPaused(false);
        break;
    case Command::Pause::Toggle:
        timer.togglePause();
        break;
    case Command::Pause::None:
        break;
    }
    if (command.enterTime)
        timer.askForAlarm();
    if (command.status) {
        answer = statusAnswer(timer.state(), timer.link(), timer.moment(), timer.offsetAt(),
                              timer.text(), true, command.json);
    }
    answer.err.prepend(note);
    return answer;
}

} // namespace tempiro::command
