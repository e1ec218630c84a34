#include "command/CommandApply.h"

#include "core/AlarmEntry.h"
#include "core/DayCount.h"

#include <QJsonDocument>

namespace tempiro::command {

Answer statusAnswer(const TimerState& state, const QString& link, const Moment& now,
                    const UtcOffsetAt& offsetAt, const DateText& text, bool running, bool json) {
    const StatusReport report = statusReport(state, link, now, offsetAt, text, running);
    Answer answer;
    answer.status = running ? kExitOk : kExitNotRunning;
    answer.out =
        (json ? QString::fromUtf8(QJsonDocument(report.json).toJson(QJsonDocument::Compact))
              : report.line) +
        u'\n';
    return answer;
}

Answer applyCommand(Timer& timer, const Command& command) {
    Answer answer;
    if (command.setsAlarm()) {
        AlarmEntry entry;
        // Without a new target only the fields are checked (a stop watch has no time to check):
        // the running alarm may well have expired, and its count goes on.
        entry.mode = command.mode.value_or(kModeStopWatch);
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
        const AlarmEntryResult result = alarmFromEntry(
            entry, now.wall, timer.text(), timer.services().zones, timer.state().dAlarmTime);
        if (!result.alarm)
            return {kExitBadInput, {}, result.refusal + u'\n'};
        const QString failure = timer.commitAlarm(*result.alarm, command.mode.has_value());
        if (!failure.isEmpty())
            return {kExitFailed,
                    {},
                    QStringLiteral("Tempiro Timer could not save its settings: ") + failure +
                        u'\n'};
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
    if (command.status)
        answer = statusAnswer(timer.state(), timer.link(), timer.moment(), timer.offsetAt(),
                              timer.text(), true, command.json);
    return answer;
}

} // namespace tempiro::command
