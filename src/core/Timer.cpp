#include "core/Timer.h"

#include "core/DayCount.h"
#include "core/modMain.h"

namespace tempiro {

Timer::Timer(const platform::Services& services, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_text(QLocale()) {
    m_ticker.setInterval(kTickMilliseconds);
    connect(&m_ticker, &QTimer::timeout, this, &Timer::tick);
    m_ticker.start();
}

double Timer::now() const {
    return toDayCount(m_services.clock.localNow());
}

void Timer::load() {
    QString link;
    readSettings(m_services.settings, *this, link, now(), m_text);
    setLink(link);
    bForceRedraw = true;
}

void Timer::setAlarm(const AlarmRequest& alarm) {
    nTimeorInterval = alarm.mode;
    dAlarmTime = alarm.time;
    bAlarmTimeChg = true;
    sEventTitle = alarm.title;
    if (alarm.warnMinutes)
        nWarnMin = *alarm.warnMinutes;
    bWarn = alarm.warnMinutes.has_value();
    bAutoOpen = alarm.autoOpen;
    setLink(alarm.link);
    emit alarmChanged();
}

void Timer::setLink(const QString& link) {
    if (link == m_link)
        return;
    m_link = link;
    emit linkChanged(m_link);
}

void Timer::setPaused(bool paused) {
    bPaused = paused;
    // The display stands still while paused; the target itself never moves.
    if (bPaused)
        m_ticker.stop();
    else
        m_ticker.start();
    emit pausedChanged(bPaused);
}

void Timer::toggleOption(DisplayOption option, bool redraw) {
    const QList<DisplayOption> changed = tempiro::toggleOption(*this, option);
    bForceRedraw = bForceRedraw || redraw;
    for (const DisplayOption each : changed)
        emit optionChanged(each);
}

void Timer::tick() {
    const QDateTime clock = m_services.clock.localNow();
    const Moment moment{toDayCount(clock), realFromUtcSeconds(clock.toSecsSinceEpoch())};
    if (bAlarmTimeChg && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("New alarm: mode %1, time %2")
                               .arg(nTimeorInterval)
                               .arg(m_text.generalDate(dAlarmTime)));
    const DisplayUpdate update = decideUpdate(
        *this, moment,
        [this](qint64 utcSeconds) { return m_services.zones.offsetFromUtc(utcSeconds); },
        windowState ? windowState() : platform::WindowState::Normal, m_text);
    if (update.beeps > 0 && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Beeps: %1, last warning minute: %2, expiry beeps: %3")
                               .arg(update.beeps)
                               .arg(nLastWarnMin)
                               .arg(nExpireBeeps));
    if (update.restartTimer)
        m_ticker.start();
    emit updated(update);
    if (update.notice)
        m_services.notifier.notify(update.notice->summary, update.notice->body);
    for (int i = 0; i < update.beeps; ++i) {
        m_services.sound.beep();
        m_services.sound.sleep(update.pauseAfterBeepMs);
    }
}

QString Timer::save(const std::optional<TwipsRect>& normalWindow) {
    SettingsAtClose closing;
    closing.link = m_link;
    closing.normalWindow = normalWindow;
    closing.now = now();
    const QString failure =
        writeSettings(m_services.settings, m_services.registry, *this, closing, m_text);
    if (!failure.isEmpty()) {
        modMain::TraceLine(QStringLiteral("Settings not saved: ") + failure);
        m_services.notifier.notify(
            kProgramTitle, QStringLiteral("Tempiro Timer could not save its settings: ") + failure);
    }
    return failure;
}

} // namespace tempiro
