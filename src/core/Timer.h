#pragma once

#include "core/DateText.h"
#include "core/DisplayEngine.h"
#include "core/DisplayOptions.h"
#include "core/Settings.h"
#include "core/TimerState.h"
#include "core/TimerStatus.h"
#include "platform/TimerServices.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace tempiro {

// A new alarm, as the Enter Time dialog's OK gives it.
struct AlarmRequest {
    qint16 mode = kModeTime;
    double time = 0; // the target, the interval's length or the stop watch's start
    QString title;
    std::optional<qint16> warnMinutes; // warnings off when absent, the lead kept as it was
    bool autoOpen = false;
    QString link;
};

// The keys of the choices on the alarm's notices ("default" is a click on the notice itself).
inline const QString kNoticeShow = QStringLiteral("show");
inline const QString kNoticeOpenPage = QStringLiteral("open-page");
inline const QString kNoticeSnooze = QStringLiteral("snooze");

// Said once a run where the system clock is not synchronised, in the user's language.
QString unsynchronisedClockText();

// The one running timer: the alarm, the display options and the event link, with the commands
// every face of it uses (the main window, the dialogs, and whatever else shows or drives the
// timer). It ticks, decides each update and carries out the sound and the notices itself; what
// a window shows of an update is for the faces, which follow its signals.
class Timer : public QObject, private TimerState {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 945;
    static constexpr double kSnoozeMinutes = 5;
    // How long before the end sleep is held off when no warning is set.
    static constexpr int kAwakeMinutes = 10;

    explicit Timer(const platform::TimerServices& services, QObject* parent = nullptr);
    ~Timer() override;

    // Reads what the last run stored; a start with nothing stored counts down two hours.
    void load();
    // The one way to commit an alarm, whichever face gave it: installs it (or, without a new
    // target, changes the running alarm's title, warning, auto-open and link, keeping its target
    // and its count), shows it at once in one update, which ends a pause, and saves it. Returns
    // why the save failed, empty when it did not.
    QString commitAlarm(const AlarmRequest& alarm, bool newTarget = true);
    // Counts five minutes more, as the same alarm given again as an interval.
    void snooze();
    void setLink(const QString& link);
    // Asks the faces for a new alarm to be entered.
    void askForAlarm() { emit alarmRequested(); }
    void setPaused(bool paused);
    void togglePause() { setPaused(!bPaused); }
    // Applies the Display menu's rules and, unless told otherwise, redraws at the next tick.
    void toggleOption(DisplayOption option, bool redraw = true);
    // The next update rebuilds the display's texts even between minutes with seconds hidden (a
    // face laid itself out anew).
    void redrawSoon() { bForceRedraw = true; }
    // One display update now (the ticker's, or asked for by a face).
    void tick();
    // Follows the system's sleep and wall clock, and asks whether the clock is synchronised:
    // for after the first window is up, as none of it is needed to show the time.
    void watchSystem();
    // Whether the system said its clock is not synchronised.
    bool clockUnsynchronised() const { return m_unsynchronised; }
    // Writes every option, the alarm and the link, and hands the alarm to the companion; a
    // failure is told in a notification, as no window may be left to tell it. Returns it.
    // A new alarm and a display option are saved as soon as they change (several changes at
    // once in one write), so that a session that ends without a close, or a display that goes
    // away, loses no more than the window's place.
    QString save(const std::optional<TwipsRect>& normalWindow, bool withPosition = true);

    // The current local date and time as a day count; the clock read as both kinds; the local
    // zone's offsets.
    double now() const;
    Moment moment() const;
    UtcOffsetAt offsetAt() const;
    const QString& link() const { return m_link; }
    const DateText& text() const { return m_text; }
    // The alarm, the options and the run's state, as the commands and updates left them: read
    // here, changed only through the commands.
    const TimerState& state() const { return *this; }
    // The timer as the last update left it, in a few words.
    const TimerStatus& status() const { return m_status; }
    // The facts of the last update (and of a pause since), which every face shows.
    const TimerFacts& facts() const { return m_shown.facts; }
    const platform::TimerServices& services() const { return m_services; }
    // The 945 ms tick; stopped while paused.
    QTimer* ticker() { return &m_ticker; }

signals:
    // A display update for the faces to show; the sound and the notice follow it.
    void updated(const tempiro::DisplayUpdate& update);
    // Someone asked for a new alarm to be entered (the command line, the notification-area
    // menu): for the window to answer with its Enter Time dialog.
    void alarmRequested();
    void linkChanged(const QString& link);
    void pausedChanged(bool paused);
    void optionChanged(tempiro::DisplayOption option);
    // The status changed: once a second at most, once a minute while seconds are hidden.
    void statusChanged(const tempiro::TimerStatus& status);
    // The user asked from a notice to see the timer, or the event's page.
    void showRequested();
    void openPageRequested();
    void clockSynchronisationChanged(bool unsynchronised);

private:
    void setAlarm(const AlarmRequest& alarm);
    void changeAlarm(const AlarmRequest& fields);
    void setFields(const AlarmRequest& fields);
    void onNoticeAction(const QString& key);
    void notifyOf(const DisplayUpdate::Notice& notice);
    void refreshStatus();
    void saveSoon();
    void onSleep(bool asleep);
    bool sleptSinceAnnounced() const;
    void onSynchronised(bool synchronised);
    void keepAwake(double remaining);

    platform::TimerServices m_services;
    DateText m_text;
    QString m_link;
    QTimer m_ticker;
    StatusInput m_shown; // what the last update showed, for the status
    double m_started = 0;
    bool m_saveQueued = false;
    QString m_failureTold; // the save failure last told, until a save succeeds
    TimerStatus m_status;
    bool m_watching = false;
    bool m_asleep = false;    // between the system's word that it sleeps and its waking
    double m_asleepSince = 0; // real time
    double m_suspendedAtSleep = 0;
    // More suspended time than the clocks' rounding since the word of a sleep proves one.
    static constexpr double kSleepEvidenceSeconds = 1;
    bool m_unsynchronised = false;
    bool m_unsynchronisedTold = false;
};

} // namespace tempiro
