#pragma once

#include <QString>
#include <QtGlobal>

// The state of the one running timer: the alarm record, the display options, the run-time
// flags and the memory kept from one tick to the next. The main window carries it as its own
// fields; the display engine works on it directly.
namespace tempiro {

enum AlarmMode : qint16 { kModeTime = 0, kModeInterval = 1, kModeStopWatch = 2 };

enum class LineColour { Red, Green, Yellow };

inline const QString kProgramTitle = QStringLiteral("Tempiro Timer");

struct AlarmRecord {
    bool bAlarmTimeChg = false; // a new alarm waits for the next display update
    qint16 nTimeorInterval = kModeTime;
    double dAlarmTime = 0; // target, interval length or stop-watch start, by mode
    double dCountFrom = 0; // when the countdown to the target began; 0 when not known
    QString sEventTitle;
    bool bWarn = false;
    qint16 nWarnMin = 0;
    bool bAutoOpen = false;
};

struct DisplayOptions {
    bool bSec = false;
    bool bMin = false;
    bool bHr = false;
    bool bDay = false;
    bool bTTlDay = false;
    bool bLbl = false;
    bool bShowLocalTime = false;
    bool bShowMenus = false;
    bool bKeepTop = false;
    bool bAdminReadOnly = false; // kept and stored for the companion only
    bool bTrayIcon = false;      // the item in the desktop's notification area
    bool bKeepAwake = false;     // no sleep near the end (the Tools menu)
};

struct RunFlags {
    bool bForceRedraw = false;
    bool bPaused = false;
};

struct TickMemory {
    qint16 nExpireBeeps = 0;
    qint16 nLastWarnMin = 0;
    // The target's real instant, worked out once for each target rather than on every tick,
    // and taken exactly where the engine makes the target itself (an interval's end, a stop
    // watch's start): such a wall time inside the hour an autumn switch repeats would otherwise
    // read as that hour's first pass.
    double realOfWall = -1; // the dAlarmTime it belongs to
    double realTarget = 0;
    // The lower line keeps the colour it was last given: red as laid out, before any update.
    LineColour lineColour = LineColour::Red;
};

struct TimerState : AlarmRecord, DisplayOptions, RunFlags, TickMemory {};

// What a start with nothing stored looks like: every unit and the labels shown, menus and the
// notification-area item shown, a 5-minute warning lead (off), and a target two hours after now.
struct FirstStart {
    static constexpr qint16 kWarnMinutes = 5;
    static constexpr double kTargetAhead = 2.0 / 24.0;
    static void apply(TimerState& state, double now);
};

} // namespace tempiro
