#include "core/TimerFacts.h"

#include "core/DayCount.h"
#include "core/Translate.h"

#include <cmath>
#include <limits>

namespace tempiro {

qint16 warningMinutes(double remaining) {
    const double minutes = std::floor(remaining * kMinutesPerDay) + 1;
    if (!(minutes <= std::numeric_limits<qint16>::max()))
        return 0;
    return static_cast<qint16>(minutes);
}

TimerFacts factsAt(const TimerState& s, double remaining) {
    TimerFacts f;
    f.remaining = remaining;
    f.paused = s.bPaused;
    f.stopWatch = s.nTimeorInterval == kModeStopWatch;
    const bool countsDown = s.nTimeorInterval == kModeTime || s.nTimeorInterval == kModeInterval;
    f.expired = countsDown && remaining <= 0;
    if (countsDown && !f.expired) {
        f.warningMinutes = warningMinutes(remaining);
        f.warning = s.bWarn && f.warningMinutes > 0 && f.warningMinutes <= s.nWarnMin;
    }
    return f;
}

QString clockText(std::int64_t seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString unitCount(std::int64_t n, TimeUnit unit) {
    switch (unit) {
    case TimeUnit::Day:
        return counted("DisplayText", QT_TRANSLATE_N_NOOP("DisplayText", "%n days"), "%n day", n);
    case TimeUnit::Hour:
        return counted("DisplayText", QT_TRANSLATE_N_NOOP("DisplayText", "%n hours"), "%n hour", n);
    case TimeUnit::Minute:
        return counted("DisplayText", QT_TRANSLATE_N_NOOP("DisplayText", "%n minutes"), "%n minute",
                       n);
    case TimeUnit::Second:
        break;
    }
    return counted("DisplayText", QT_TRANSLATE_N_NOOP("DisplayText", "%n seconds"), "%n second", n);
}

QString waitText(std::int64_t seconds) {
    if (seconds < kSecondsInDay)
        return clockText(seconds);
    return unitCount(seconds / kSecondsInDay, TimeUnit::Day) + u' ' +
           clockText(seconds % kSecondsInDay);
}

} // namespace tempiro
