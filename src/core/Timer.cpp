#include "core/Timer.h"

#include "core/DayCount.h"
#include "core/modMain.h"

#include <algorithm>

namespace tempiro {

QString unsynchronisedClockText() {
    return Timer::tr(
        "The system clock is not synchronised: the countdown may be off by the clock's error.");
}

Timer::Timer(const platform::TimerServices& services, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_text(QLocale()) {
    m_ticker.setInterval(kTickMilliseconds);
    connect(&m_ticker, &QTimer::timeout, this, &Timer::tick);
    m_ticker.start();
    m_started = now();
    m_services.notifier.onAction = [this](const QString& key) { onNoticeAction(key); };
}

Timer::~Timer() {
    // The notice's choices would answer nobody once the timer has gone.
    m_services.notifier.withdraw();
    m_services.notifier.onAction = nullptr;
    m_services.system.onSleep = nullptr;
    m_services.system.onClockSet = nullptr;
    m_services.system.onSynchronised = nullptr;
    m_services.system.release();
}

void Timer::watchSystem() {
    if (std::exchange(m_watching, true))
        return;
    platform::SystemTime& system = m_services.system;
    system.onSleep = [this](bool asleep) { onSleep(asleep); };
    // A clock set by hand or by a late synchronisation shows at once, not at the next tick.
    system.onClockSet = [this] { tick(); };
    system.onSynchronised = [this](bool synchronised) { onSynchronised(synchronised); };
    system.watch();
    system.askSynchronised();
}

void Timer::onSleep(bool asleep) {
    if (asleep) {
        m_asleep = true;
        m_asleepSince = moment().real;
        m_suspendedAtSleep = m_services.system.suspendedSeconds();
        return;
    }
    // The ticker's clock stood still while the computer slept: the display catches up now,
    // and an end passed meanwhile is told as such.
    tick();
    m_asleep = false;
}

bool Timer::sleptSinceAnnounced() const {
    return m_asleep &&
           m_services.system.suspendedSeconds() - m_suspendedAtSleep > kSleepEvidenceSeconds;
}

void Timer::onSynchronised(bool synchronised) {
    m_unsynchronised = !synchronised;
    emit clockSynchronisationChanged(m_unsynchronised);
    if (m_unsynchronised && !std::exchange(m_unsynchronisedTold, true))
        m_services.notifier.notify(kProgramTitle, unsynchronisedClockText());
}

void Timer::keepAwake(double remaining) {
    // From the first warning (or the last ten minutes without warnings) to a minute after the
    // end: a computer asleep at its deadline tells nobody.
    const double lead = (bWarn ? std::max<int>(nWarnMin, 0) : kAwakeMinutes) / kMinutesPerDay;
    const bool near = bKeepAwake && !bPaused && nTimeorInterval != kModeStopWatch &&
                      remaining <= lead && remaining > -1 / kMinutesPerDay;
    if (!near) {
        m_services.system.release();
        return;
    }
    const QString title = sEventTitle.isEmpty() ? tr("The countdown") : sEventTitle;
    m_services.system.holdAwake(tr("%1 ends at %2", "why sleep is held off")
                                    .arg(title, clockTime(dAlarmTime, m_text.locale())));
}

Moment Timer::moment() const {
    return momentOf(m_services.clock.localNow());
}

UtcOffsetAt Timer::offsetAt() const {
    return
        [&zones = m_services.zones](qint64 utcSeconds) { return zones.offsetFromUtc(utcSeconds); };
}

double Timer::now() const {
    return toDayCount(m_services.clock.localNow());
}

void Timer::load() {
    QString link;
    m_started = now();
    readSettings(m_services.settings, *this, link, m_started, m_text);
    setLink(link);
    bForceRedraw = true;
}

QString Timer::commitAlarm(const AlarmRequest& alarm, bool newTarget) {
    if (newTarget)
        setAlarm(alarm);
    else
        changeAlarm(alarm);
    // Taken over before it is saved: an interval is stored as the moment it ends.
    tick();
    return save(std::nullopt);
}

void Timer::setAlarm(const AlarmRequest& alarm) {
    nTimeorInterval = alarm.mode;
    dAlarmTime = alarm.time;
    bAlarmTimeChg = true;
    setFields(alarm);
    // What the last notice said of the old alarm is out of date, and so is a hold on sleep.
    m_services.notifier.withdraw();
    m_services.system.release();
    // A deadline is only as right as the clock it is counted on.
    if (m_watching && alarm.mode == kModeTime)
        m_services.system.askSynchronised();
}

void Timer::changeAlarm(const AlarmRequest& fields) {
    setFields(fields);
    // The title shows at once, also while seconds are hidden.
    bForceRedraw = true;
}

void Timer::setFields(const AlarmRequest& fields) {
    sEventTitle = fields.title;
    if (fields.warnMinutes)
        nWarnMin = *fields.warnMinutes;
    bWarn = fields.warnMinutes.has_value();
    bAutoOpen = fields.autoOpen;
    setLink(fields.link);
}

void Timer::snooze() {
    AlarmRequest again;
    again.mode = kModeInterval;
    again.time = kSnoozeMinutes / kMinutesPerDay;
    again.title = sEventTitle;
    if (bWarn)
        again.warnMinutes = nWarnMin;
    again.autoOpen = bAutoOpen;
    again.link = m_link;
    commitAlarm(again);
}

void Timer::onNoticeAction(const QString& key) {
    if (key == kNoticeSnooze)
        snooze();
    else if (key == kNoticeOpenPage)
        emit openPageRequested();
    else if (key == kNoticeShow || key == QLatin1String("default"))
        emit showRequested();
}

void Timer::notifyOf(const DisplayUpdate::Notice& notice) {
    platform::Notification n{notice.summary, notice.body, {}, true, notice.expiry};
    // The user was not there to hear the beeps: the system said it would sleep, and it did.
    if (notice.expiry && sleptSinceAnnounced() && realTarget > m_asleepSince)
        n.body = tr("Ended at %1, while the computer was asleep.")
                     .arg(clockTime(dAlarmTime, m_text.locale()));
    // A click on the notice shows the timer; servers that list the default choice name it.
    n.actions = {{QStringLiteral("default"), tr("Show Timer")}};
    if (!m_link.isEmpty())
        n.actions.append({kNoticeOpenPage, tr("Open Event Page")});
    if (notice.expiry)
        n.actions.append({kNoticeSnooze, tr("Snooze 5 Minutes")});
    m_services.notifier.notify(n);
}

void Timer::refreshStatus() {
    TimerStatus status = timerStatus(*this, m_shown, m_text.locale());
    if (status == m_status)
        return;
    m_status = std::move(status);
    emit statusChanged(m_status);
}

void Timer::setLink(const QString& link) {
    if (link == m_link)
        return;
    m_link = link;
    emit linkChanged(m_link);
}

void Timer::setPaused(bool paused) {
    if (bPaused && !paused)
        m_services.notifier.withdraw();
    bPaused = paused;
    m_shown.facts.paused = paused;
    if (bPaused) {
        // The display stands still in the colour of a pause, until an update gives it another.
        lineColour = m_shown.facts.colour = LineColour::Yellow;
        m_services.system.release();
    }
    // The display stands still while paused; the target itself never moves.
    if (bPaused)
        m_ticker.stop();
    else
        m_ticker.start();
    emit pausedChanged(bPaused);
    refreshStatus();
}

void Timer::toggleOption(DisplayOption option, bool redraw) {
    const QList<DisplayOption> changed = tempiro::toggleOption(*this, option);
    bForceRedraw = bForceRedraw || redraw;
    saveSoon();
    for (const DisplayOption each : changed)
        emit optionChanged(each);
}

void Timer::tick() {
    const bool takingOver = bAlarmTimeChg;
    const Moment moment = this->moment();
    if (bAlarmTimeChg && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("New alarm: mode %1, time %2")
                               .arg(nTimeorInterval)
                               .arg(m_text.generalDate(dAlarmTime)));
    const DisplayUpdate update = decideUpdate(*this, moment, offsetAt(), m_text);
    if (update.beeps > 0 && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Beeps: %1, last warning minute: %2, expiry beeps: %3")
                               .arg(update.beeps)
                               .arg(nLastWarnMin)
                               .arg(nExpireBeeps));
    if (update.restartTimer)
        m_ticker.start();
    if (update.rebuilt) {
        m_shown.value = update.wordedValue;
        m_shown.heading = update.heading;
    }
    m_shown.facts = update.facts;
    m_shown.now = moment.wall;
    // An alarm whose start was never known counts from the start of this run.
    m_shown.countFrom = dCountFrom != 0 ? dCountFrom : m_started;
    keepAwake(update.facts.remaining);
    // Before the update, which the window reads it with.
    refreshStatus();
    emit updated(update);
    // A new alarm is saved once taken over, when an interval has become the time it ends.
    if (takingOver)
        saveSoon();
    if (update.notice)
        notifyOf(*update.notice);
    if (update.beeps > 0)
        m_services.sound.beeps(update.beeps, update.pauseAfterBeepMs);
    // Awake again, whether or not the word of the wake came: later ends were not passed asleep.
    if (sleptSinceAnnounced())
        m_asleep = false;
}

void Timer::saveSoon() {
    if (std::exchange(m_saveQueued, true))
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_saveQueued)
            save(std::nullopt);
    });
}

QString Timer::save(const std::optional<TwipsRect>& normalWindow, bool withPosition) {
    m_saveQueued = false;
    SettingsAtClose closing;
    closing.link = m_link;
    closing.normalWindow = normalWindow;
    closing.withPosition = withPosition;
    closing.now = now();
    const QString failure =
        writeSettings(m_services.settings, m_services.registry, *this, closing, m_text);
    const QString aside = m_services.settings.takeSetAside();
    if (!aside.isEmpty())
        m_services.notifier.notify(
            kProgramTitle, tr("Tempiro Timer could not read its settings and kept the file as "
                              "%1; it started with its first settings.")
                               .arg(aside));
    // A disk that stays full is told once, not at every change.
    if (!failure.isEmpty() && failure != std::exchange(m_failureTold, failure)) {
        modMain::TraceLine(QStringLiteral("Settings not saved: ") + failure);
        m_services.notifier.notify(
            kProgramTitle, tr("Tempiro Timer could not save its settings: %1").arg(failure));
    }
    if (failure.isEmpty())
        m_failureTold.clear();
    return failure;
}

} // namespace tempiro
