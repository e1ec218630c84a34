#pragma once

#include "core/DateText.h"
#include "core/DisplayEngine.h"
#include "core/RealTime.h"
#include "core/TimerFacts.h"
#include "core/TimerState.h"

#include <QJsonObject>
#include <QLocale>
#include <QString>

namespace tempiro {

// The timer in a few words and a picture, for faces without room for the display: the
// notification area's icon and tooltip, a status line.
struct TimerStatus {
    QString title; // the main window's own title
    QString text;  // "01:59:51 left, ends Thu 10:00 PM", "expired 3 minutes ago", "paused"
    LineColour colour = LineColour::Green; // the main window's lower line's
    bool paused = false;
    bool stopWatch = false;

    // How far round the icon's ring is filled, in sixtieths: the share of the countdown that has
    // passed, or a stop watch's hand (seconds of the minute, minutes of the hour while seconds
    // are hidden).
    int sixtieths = 0;
    bool warning = false; // warnings are sounding
    bool operator==(const TimerStatus&) const = default;
};

// The display's last value in words ("3 days 05:32:19") and its heading, the moment's facts and the
// wall time `now`, all as the last update left them.
struct StatusInput {
    QString value;
    QString heading;
    TimerFacts facts;
    double now = 0;
    double countFrom = 0; // when the countdown began, as far as it is known
};

// The time of day of a day count, as the locale writes it short ("10:00 PM").
QString clockTime(double dayCount, const QLocale& locale);

TimerStatus timerStatus(const TimerState& state, const StatusInput& input, const QLocale& locale);

// The timer's facts for a status bar or a script (`tempiro --status`), worked out at `now`: one
// line ("Tempiro to Auction: 01:59:51 left, ends 12/25/2027 10:00:00 PM", "...: expired 00:03:10
// ago", "Stop Watch: 00:12:04") and the same as one JSON object (mode, title, url, the target in
// ISO 8601 with its offset, seconds left or elapsed, paused, warning, expired, running).
struct StatusReport {
    QString line;
    QJsonObject json;
};
StatusReport statusReport(const TimerState& state, const QString& link, const Moment& now,
                          const UtcOffsetAt& offsetAt, const DateText& text, bool running);

} // namespace tempiro
