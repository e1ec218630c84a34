#include "core/TimerStatus.h"

#include "core/DayCount.h"
#include "core/Translate.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace tempiro {

QString clockTime(double dayCount, const QLocale& locale) {
    return locale.toString(toLocalDateTime(dayCount).time, locale.timeFormat(QLocale::ShortFormat));
}

namespace {

constexpr double kWeekdayWithin = 6; // days ahead that a weekday names without doubt
constexpr int kSixty = 60;

QString endsAt(double target, double now, const QLocale& locale) {
    const LocalDateTime end = toLocalDateTime(target);
    const QString time = clockTime(target, locale);
    if (target - now < kWeekdayWithin)
        return locale.dayName(end.date.dayOfWeek(), QLocale::ShortFormat) + u' ' + time;
    return locale.toString(end.date, QLocale::ShortFormat) + u' ' + time;
}

// How long ago, in the largest unit that still says it in two digits or fewer.
QString agoText(double passed) {
    const auto minutes = static_cast<qint64>(std::floor(passed * kMinutesPerDay));
    if (minutes < 1)
        return DisplayText::tr("less than a minute");
    if (minutes < 2 * 60)
        return unitCount(minutes, TimeUnit::Minute);
    if (minutes < 2 * 24 * 60)
        return unitCount(minutes / 60, TimeUnit::Hour);
    return unitCount(minutes / (24 * 60), TimeUnit::Day);
}

// Whole sixtieths; a share a rounding error short of the next one counts as that one.
int sixtieths(double share) {
    constexpr double kRounding = 1e-9;
    return static_cast<int>(std::floor(std::clamp(share, 0.0, 1.0) * kSixty + kRounding));
}

QString isoWithOffset(double real, const UtcOffsetAt& offsetAt) {
    const auto utc =
        static_cast<qint64>(std::llround((real - realFromUtcSeconds(0)) * kSecondsPerDay));
    return QDateTime::fromSecsSinceEpoch(utc, Qt::OffsetFromUTC, offsetAt(utc))
        .toString(Qt::ISODate);
}

} // namespace

StatusReport statusReport(const TimerState& s, const QString& link, const Moment& now,
                          const UtcOffsetAt& offsetAt, const DateText& text, bool running) {
    const bool stopWatch = s.nTimeorInterval == kModeStopWatch;
    // An interval not yet taken over starts now.
    const double realTarget = s.nTimeorInterval == kModeInterval
                                  ? now.real + s.dAlarmTime
                                  : realFromWall(s.dAlarmTime, offsetAt);
    const TimerFacts facts = factsAt(s, realTarget - now.real);
    const auto seconds =
        static_cast<qint64>(std::floor(std::abs(facts.remaining) * kSecondsPerDay + 1e-6));
    const bool expired = facts.expired;

    QString what;
    if (stopWatch)
        what = waitText(seconds);
    else if (expired)
        what = DisplayText::tr("expired %1 ago").arg(waitText(seconds));
    else
        what = DisplayText::tr("%1 left, ends %2")
                   .arg(waitText(seconds), text.generalDate(wallFromReal(realTarget, offsetAt)));
    if (s.bPaused)
        what = DisplayText::tr("paused, %1").arg(what);
    StatusReport report;
    report.line = DisplayText::tr("%1: %2").arg(normalTitle(s), what);
    if (!running)
        report.line = DisplayText::tr("%1 (not running)").arg(report.line);
    QJsonObject& json = report.json;
    json[QStringLiteral("mode")] = stopWatch ? QStringLiteral("stopwatch") : QStringLiteral("time");
    json[QStringLiteral("title")] = s.sEventTitle;
    json[QStringLiteral("url")] = link;
    json[stopWatch ? QStringLiteral("started") : QStringLiteral("target")] =
        isoWithOffset(realTarget, offsetAt);
    // Seconds left, negative once passed; for a stop watch the seconds it has run.
    json[stopWatch ? QStringLiteral("secondsElapsed") : QStringLiteral("secondsLeft")] =
        double(expired ? -seconds : seconds);
    json[QStringLiteral("paused")] = s.bPaused;
    json[QStringLiteral("warning")] = facts.warning;
    json[QStringLiteral("expired")] = expired;
    json[QStringLiteral("running")] = running;
    return report;
}

TimerStatus timerStatus(const TimerState& s, const StatusInput& in, const QLocale& locale) {
    const TimerFacts& f = in.facts;
    TimerStatus status;
    status.title = normalTitle(s);
    status.paused = f.paused;
    status.stopWatch = f.stopWatch;
    status.colour = f.colour;
    status.warning = f.warning;
    const QString& value = in.value;

    if (status.stopWatch) {
        const auto seconds = static_cast<qint64>(std::floor(-f.remaining * kSecondsPerDay));
        status.sixtieths = static_cast<int>(s.bSec ? seconds % kSixty : seconds / kSixty % kSixty);
        status.text = DisplayText::tr("%1 elapsed").arg(value);
    } else if (f.expired) {
        status.sixtieths = kSixty;
        status.text = DisplayText::tr("expired %1 ago").arg(agoText(-f.remaining));
    } else {
        const double length = s.dAlarmTime - in.countFrom;
        status.sixtieths = length > 0 ? sixtieths((in.now - in.countFrom) / length) : 0;
        // Eleven days or more out the display shows the current time: no count to repeat.
        const QString ends = endsAt(s.dAlarmTime, in.now, locale);
        status.text = in.heading.isEmpty() ? DisplayText::tr("ends %1").arg(ends)
                                           : DisplayText::tr("%1 left, ends %2").arg(value, ends);
    }
    if (status.paused)
        status.text = DisplayText::tr("paused");
    return status;
}

} // namespace tempiro
