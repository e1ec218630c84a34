#include "Companion.h"

#include "core/DayCount.h"
#include "core/StoredText.h"
#include "core/modMain.h"

#include <QTimer>

namespace tempiro {

Companion::Companion(platform::Registry& registry, platform::Clock& clock,
                     platform::ProgramStarter& programs, QString timerProgram,
                     const QLocale& locale, QObject* parent)
    : QObject(parent)
    , m_registry(registry)
    , m_clock(clock)
    , m_programs(programs)
    , m_timerProgram(std::move(timerProgram))
    , m_text(locale) {
    m_timer = new QTimer(this);
    m_timer->setInterval(kCheckMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &Companion::check);
}

bool Companion::createKeys() {
    const auto users = platform::RegistryRoot::Users;
    const bool options = m_registry.createKey(users, modMain::kCompanionOptionsKey);
    const bool settings = m_registry.createKey(users, modMain::kDefaultUserSettingsKey);
    return options && settings;
}

Companion::HandOff Companion::read() {
    HandOff handOff;
    const std::optional<platform::RegistryKey> key =
        m_registry.openKey(platform::RegistryRoot::Users, modMain::kCompanionOptionsKey);
    if (!key)
        return handOff;
    const auto text = [&](const QString& name) {
        const std::optional<platform::RegistryValue> value = m_registry.queryValue(*key, name);
        return value && value->type == platform::kRegSz ? value->text : QString();
    };
    handOff.autoOpen = text(QStringLiteral("bTPAutoOpen"));
    handOff.alarmTime = text(QStringLiteral("sTPAlarmTime"));
    handOff.alarmTimeIso = text(QStringLiteral("sTPAlarmTimeISO"));
    m_registry.closeKey(*key);
    return handOff;
}

bool Companion::check() {
    const HandOff handOff = read();
    if (booleanFromText(handOff.autoOpen) != true)
        return false;
    const LocalDateTime now = toLocalDateTime(toDayCount(m_clock.localNow()));
    // The ISO form first: the General Date text is in the timer's locale, not necessarily ours.
    ParseResult target{fromIsoText(handOff.alarmTimeIso)};
    if (!target)
        target = m_text.parse(handOff.alarmTime, now.date.year());
    if (!target || toLocalDateTime(*target.value).date != now.date)
        return false;
    // Once for each target, and not while the timer we opened still runs.
    if (m_openedTarget == *target.value || m_programs.isRunning(m_timerTask))
        return false;
    const platform::StartOutcome outcome = m_programs.start(m_timerProgram, {});
    if (!outcome.started)
        return false;
    m_openedTarget = *target.value;
    m_timerTask = outcome.taskId;
    return true;
}

void Companion::start() {
    check();
    m_timer->start();
}

} // namespace tempiro
