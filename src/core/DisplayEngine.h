#pragma once

#include "core/DateText.h"
#include "core/RealTime.h"
#include "core/TimerFacts.h"
#include "core/TimerState.h"

#include <QString>
#include <optional>

namespace tempiro {

// Everything one display update decides, for the main window to apply. Optional parts are
// left untouched on the window when absent.
struct DisplayUpdate {
    // Side effects, to be carried out in this order.
    bool restartTimer = false; // the take-over of a new alarm ended a pause
    struct Notice {
        QString summary;
        QString body;
        bool expiry = false; // else the first warning
    };
    std::optional<Notice> notice; // the first warning of an alarm, and its expiry
    bool restoreWindow = false;   // first warning: back from minimised or maximised...
    bool bringToTop = false;      // ...and into the topmost band
    int beeps = 0;
    int pauseAfterBeepMs = 0;

    QString alarmTimeText; // the upper big line, written on every update
    std::optional<QString> alarmCaption;
    std::optional<LineColour> colour; // the last colour given to the lower line
    TimerFacts facts;                 // the moment's facts, the colour the line has after this
    std::optional<QString> systemCaption;

    // With seconds hidden most ticks leave the value text, heading and title alone.
    bool rebuilt = false;
    QString heading;
    QString spokenHeading; // the heading's units in words, "hours and minutes"
    bool labelsVisible = false;
    QString valueText;
    QString spokenValue;    // the value as a screen reader says it, each number with its unit
    QString wordedValue;    // the value with its days in words, "3 days 05:32:19", for the status
    QString title;          // the window's title, and while it is minimised:
    QString minimizedTitle; // the time and the timer's name
};

// The captions of the two lines, in the user's language.
enum class Caption {
    AlarmTime,
    StartTime,
    LocalTime,
    TimeRemain,
    TimeExpired,
    TimeElapsed,
    CurrentTime
};
QString caption(Caption which);

// One display update at `now`: takes over a new alarm, works out the remaining or elapsed
// time, warnings and expiry, and every text of the display. Updates the state's alarm,
// flags and tick memory as it goes. The alarm is wall-clock time of the local zone; the time
// that remains or has passed is real time, so that it runs evenly across daylight-saving
// switches.
DisplayUpdate decideUpdate(TimerState& state, const Moment& now, const UtcOffsetAt& offsetAt,
                           const DateText& text);
// The same in a zone without daylight saving, where wall and real time are one.
DisplayUpdate decideUpdate(TimerState& state, double now, const DateText& text);

// The main window's title while it is not minimised: "Tempiro to Auction", "Stop Watch".
QString normalTitle(const TimerState& state);

} // namespace tempiro
