#include "core/DisplayEngine.h"

#include "core/DayCount.h"
#include "core/Translate.h"

#include <cmath>

namespace tempiro {

namespace {

constexpr int kMaxExpireBeeps = 5;
constexpr int kWarnBeepPauseMs = 300;
constexpr qint16 kManyBeepsFrom = 5; // up to this minute count, one beep per minute left
constexpr double kCurrentTimeFromDays = 11;

QString twoDigits(std::int64_t n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Days as a whole number, cut toward zero, with no grouping ("###0").
QString wholeDaysText(double days) {
    return QString::number(std::trunc(days) + 0.0, 'f', 0);
}

QString noticeSummary(const TimerState& s) {
    return s.sEventTitle.isEmpty() ? kProgramTitle : s.sEventTitle;
}

QString stopWatchName() {
    return DisplayText::tr("Stop Watch");
}

// A newly installed alarm starts with a clean slate: its first warning brings the window
// forward and tells the desktop, whatever an earlier alarm of this run did; and it is shown at
// once, also with seconds hidden, rather than the old alarm's count until the minute turns.
void takeOver(TimerState& s, const Moment& moment, DisplayUpdate& u) {
    if (!s.bAlarmTimeChg)
        return;
    s.bForceRedraw = true;
    s.nExpireBeeps = 0;
    s.nLastWarnMin = 0;
    s.bAlarmTimeChg = false;
    u.restartTimer = s.bPaused;
    s.bPaused = false;
    s.dCountFrom = moment.wall;
    if (s.nTimeorInterval == kModeStopWatch) {
        u.alarmCaption = caption(Caption::StartTime);
        s.dAlarmTime = s.realOfWall = moment.wall;
        s.realTarget = moment.real;
    } else {
        u.alarmCaption = caption(Caption::AlarmTime);
    }
}

// The real time to the target (or, negative, since a stop watch's start). An interval becomes
// the time it ends: its length runs in real time, its target is shown at the wall time it ends.
double remainingTime(TimerState& s, const Moment& moment, const UtcOffsetAt& offsetAt) {
    switch (s.nTimeorInterval) {
    case kModeTime:
    case kModeStopWatch:
        if (s.dAlarmTime != s.realOfWall) {
            s.realOfWall = s.dAlarmTime;
            s.realTarget = realFromWall(s.dAlarmTime, offsetAt);
        }
        return s.realTarget - moment.real;
    case kModeInterval: {
        const double remaining = s.dAlarmTime;
        s.realTarget = moment.real + remaining;
        s.dAlarmTime = s.realOfWall = wallFromReal(s.realTarget, offsetAt);
        s.dCountFrom = moment.wall;
        s.nTimeorInterval = kModeTime;
        return remaining;
    }
    default:
        return 0;
    }
}

void warningStep(TimerState& s, qint16 minutes, double remaining, DisplayUpdate& u) {
    if (minutes == s.nLastWarnMin || minutes > s.nWarnMin)
        return;
    if (s.nLastWarnMin == 0) {
        u.restoreWindow = true;
        u.bringToTop = true;
        // The warning's count is one more than the whole minutes left (it is what the beeps
        // count); the notice tells the minutes left, as a reader counts them.
        if (minutes > 0)
            u.notice = DisplayUpdate::Notice{
                noticeSummary(s),
                DisplayText::tr("%1: %2").arg(
                    caption(Caption::TimeRemain),
                    unitCount(qint64(std::ceil(remaining * kMinutesPerDay - 1e-6)),
                              TimeUnit::Minute))};
    }
    s.nLastWarnMin = minutes;
    if (minutes <= 0) {
        u.colour = LineColour::Green;
        return;
    }
    u.colour = LineColour::Yellow;
    if (minutes <= kManyBeepsFrom) {
        u.beeps = minutes;
        u.pauseAfterBeepMs = kWarnBeepPauseMs;
    } else {
        u.beeps = 1;
    }
}

// Expiry and its beeps, or the warnings, and the lower line's colour and caption for them.
void lineState(TimerState& s, const TimerFacts& f, DisplayUpdate& u) {
    if (s.nTimeorInterval == kModeStopWatch) {
        u.colour = LineColour::Green;
        u.systemCaption = caption(Caption::TimeElapsed);
    } else if (s.nTimeorInterval != kModeTime) {
        return; // a mode this version does not know (a hand-edited file) shows no state
    } else if (f.expired) {
        if (s.nExpireBeeps < kMaxExpireBeeps) {
            u.beeps = 1;
            if (++s.nExpireBeeps == 1)
                u.notice =
                    DisplayUpdate::Notice{noticeSummary(s), caption(Caption::TimeExpired), true};
        }
        u.colour = LineColour::Red;
        u.systemCaption = caption(Caption::TimeExpired);
    } else {
        if (s.bWarn)
            warningStep(s, f.warningMinutes, f.remaining, u);
        else
            u.colour = LineColour::Green;
        u.systemCaption = caption(Caption::TimeRemain);
    }
}

// The lower line's value, the heading over it, each of its numbers with its unit as a screen
// reader says it ("1 hour", "59 minutes"), and the value in words where a unit is not a clock's
// ("3 days 05:32:19"), for the status.
struct Fields {
    QString value;
    QString heading;
    QStringList spoken;
    QString worded;
    QStringList units; // the heading's units in words
};

Fields timeOfDayFields(const TimerState& s, double remaining, const QString& separator) {
    const std::int64_t seconds =
        wholeSeconds(remaining) % static_cast<std::int64_t>(kSecondsPerDay);
    Fields f;
    if (s.bHr) {
        f.value += u' ' + twoDigits(seconds / 3600);
        f.heading += u' ' + DisplayText::tr("hh", "the hours' heading over their digits");
        f.units << DisplayText::tr("hours", "a unit in the heading, said");
        f.spoken << unitCount(seconds / 3600, TimeUnit::Hour);
    }
    if (s.bMin) {
        f.value += separator + twoDigits(seconds / 60 % 60);
        f.heading += u':' + DisplayText::tr("mm", "the minutes' heading over their digits");
        f.units << DisplayText::tr("minutes", "a unit in the heading, said");
        f.spoken << unitCount(seconds / 60 % 60, TimeUnit::Minute);
    }
    if (s.bSec) {
        f.value += separator + twoDigits(seconds % 60);
        f.heading += u':' + DisplayText::tr("ss", "the seconds' heading over their digits");
        f.units << DisplayText::tr("seconds", "a unit in the heading, said");
        f.spoken << unitCount(seconds % 60, TimeUnit::Second);
    }
    f.worded = f.value.trimmed();
    return f;
}

// The day count before the time, or the current time when the end is eleven days or more
// away; the colour and caption of the last hour.
void dayFields(const TimerFacts& f, double now, const DateText& text, Fields& fields,
               DisplayUpdate& u) {
    // Days and the hour are counted on the seconds the line shows (rounded), so that
    // "01:00:00" never stands without its day count.
    const std::int64_t shownSeconds = f.remaining > 0 ? wholeSeconds(f.remaining) : 0;
    const auto days = static_cast<int>(shownSeconds / std::int64_t(kSecondsPerDay));
    if (shownSeconds >= std::int64_t(kSecondsPerDay * kOneHour)) {
        u.colour = LineColour::Green;
        if (days >= kCurrentTimeFromDays) {
            fields.value = text.generalDate(now);
            fields.heading.clear();
            fields.units.clear();
            fields.spoken.clear();
            fields.worded.clear();
            u.systemCaption = caption(Caption::CurrentTime);
        } else {
            fields.value = u' ' + twoDigits(days) + fields.value;
            if (days > 0)
                fields.worded = unitCount(days, TimeUnit::Day) + u' ' + fields.worded;
            u.systemCaption = caption(Caption::TimeRemain);
            fields.heading = u' ' + DisplayText::tr("dy", "the days' heading over their digits") +
                             fields.heading;
            fields.units.prepend(DisplayText::tr("days", "a unit in the heading, said"));
            fields.spoken.prepend(unitCount(days, TimeUnit::Day));
        }
    } else if (f.expired) {
        u.colour = LineColour::Red;
        u.systemCaption = caption(Caption::TimeExpired);
    } else if (!f.stopWatch) {
        u.colour = LineColour::Yellow;
        u.systemCaption = caption(Caption::TimeRemain);
    }
}

// The value and heading of the lower line; nothing with seconds hidden between the minutes
// unless a redraw is forced.
std::optional<Fields> lowerLine(TimerState& s, const TimerFacts& f, double now,
                                const DateText& text, DisplayUpdate& u) {
    if (s.bTTlDay) {
        const QString days =
            unitCount(std::abs(static_cast<std::int64_t>(f.remaining)), TimeUnit::Day);
        return Fields{wholeDaysText(f.remaining),
                      DisplayText::tr("Days", "the heading over the total of days"),
                      {days},
                      days,
                      {DisplayText::tr("days", "a unit in the heading, said")}};
    }
    if (!s.bSec && toLocalDateTime(now).time.second() != 0) {
        if (!s.bForceRedraw)
            return std::nullopt;
        s.bForceRedraw = false;
    }
    Fields fields = timeOfDayFields(s, f.remaining, text.timeSeparator());
    if (s.bDay)
        dayFields(f, now, text, fields, u);
    return fields;
}

// The title of a minimised window: the time itself, then the timer's name.
QString minimizedTitle(const TimerState& s, const QString& valueText) {
    return valueText + u' ' +
           (s.nTimeorInterval == kModeStopWatch ? stopWatchName() : kProgramTitle);
}

} // namespace

QString caption(Caption which) {
    switch (which) {
    case Caption::AlarmTime:
        return DisplayText::tr("Alarm Time");
    case Caption::StartTime:
        return DisplayText::tr("Start Time");
    case Caption::LocalTime:
        return DisplayText::tr("Local Time");
    case Caption::TimeRemain:
        return DisplayText::tr("Time Remain");
    case Caption::TimeExpired:
        return DisplayText::tr("Time Expired");
    case Caption::TimeElapsed:
        return DisplayText::tr("Time Elapsed");
    case Caption::CurrentTime:
        break;
    }
    return DisplayText::tr("Current Time");
}

QString normalTitle(const TimerState& s) {
    const bool stopWatch = s.nTimeorInterval == kModeStopWatch;
    if (s.sEventTitle.isEmpty())
        return stopWatch ? stopWatchName() : kProgramTitle;
    return (stopWatch ? DisplayText::tr("Timing of %1") : DisplayText::tr("Tempiro to %1"))
        .arg(s.sEventTitle);
}

DisplayUpdate decideUpdate(TimerState& s, double now, const DateText& text) {
    return decideUpdate(
        s, Moment{now, now}, [](qint64) { return 0; }, text);
}

DisplayUpdate decideUpdate(TimerState& s, const Moment& moment, const UtcOffsetAt& offsetAt,
                           const DateText& text) {
    const double now = moment.wall;
    DisplayUpdate u;
    takeOver(s, moment, u);
    const TimerFacts facts = factsAt(s, remainingTime(s, moment, offsetAt));

    if (s.bShowLocalTime) {
        u.alarmTimeText = text.generalDate(now);
        u.alarmCaption = caption(Caption::LocalTime);
    } else {
        u.alarmTimeText = text.generalDate(s.dAlarmTime);
    }
    lineState(s, facts, u);
    const std::optional<Fields> fields = lowerLine(s, facts, now, text, u);

    // The line keeps its last colour; this is the one place that says which it has now.
    s.lineColour = u.colour.value_or(s.lineColour);
    u.facts = facts;
    u.facts.colour = s.lineColour;
    if (!fields)
        return u;
    u.rebuilt = true;
    u.heading = fields->heading;
    // "hours, minutes and seconds": the heading's letters are no words to a screen reader.
    const QStringList& units = fields->units;
    u.spokenHeading =
        units.size() < 2 ? units.join(QString())
                         : DisplayText::tr("%1 and %2", "the last of the heading's units")
                               .arg(units.mid(0, units.size() - 1)
                                        .join(DisplayText::tr(", ", "between the heading's units")),
                                    units.last());
    u.labelsVisible = s.bLbl;
    u.valueText = facts.expired ? u'+' + fields->value : fields->value;
    // A value without units (the current date and time) is said as it is shown.
    u.spokenValue = fields->spoken.isEmpty() ? u.valueText.trimmed()
                    : facts.expired ? DisplayText::tr("plus %1", "the time since the end, said")
                                          .arg(fields->spoken.join(u' '))
                                    : fields->spoken.join(u' ');
    u.wordedValue = fields->worded;
    u.title = normalTitle(s);
    u.minimizedTitle = minimizedTitle(s, u.valueText);
    return u;
}

} // namespace tempiro
