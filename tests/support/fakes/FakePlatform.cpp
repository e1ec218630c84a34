#include "fakes/FakePlatform.h"

#include "core/DayCount.h"

#include <QTimeZone>
#include <QWidget>
#include <algorithm>
#include <new>

namespace tempiro::platform {

QDateTime FakeClock::localNow() const {
    // Only the wall-clock reading is used, so a zone without gaps keeps every reading valid.
    const LocalDateTime local = toLocalDateTime(m_now);
    return QDateTime(local.date, local.time, QTimeZone::utc());
}

void FakeClock::advanceSeconds(double seconds) {
    m_now += seconds / kSecondsPerDay;
}

int FakeSound::beepCount() const {
    return static_cast<int>(std::count_if(log.begin(), log.end(),
                                          [](const Entry& e) { return e.event == Event::Beep; }));
}

void FakeWindowControl::setState(QWidget&, WindowState state) {
    currentState = state;
    stateChanges.push_back(state);
}

void FakeWindowControl::setTopmost(QWidget& window, bool on) {
    bandChanges.emplace_back(&window, on);
}

void FakeWindowControl::setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) {
    topmostCalls.push_back({on, topLeft});
    window.move(topLeft);
}

namespace {
QString ownKey(const QString& key) {
    return QStringLiteral("Tempiro Timer/Settings/") + key;
}
QString fullKey(const QString& application, const QString& section, const QString& key) {
    return application + u'/' + section + u'/' + key;
}
} // namespace

QString FakeSettingsStore::read(const QString& application, const QString& section,
                                const QString& key, const QString& defaultValue) {
    const auto found = values.find(fullKey(application, section, key));
    return found == values.end() ? defaultValue : found->second;
}

void FakeSettingsStore::write(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    values[fullKey(application, section, key)] = value;
    writtenKeys << key;
}

void FakeSettingsStore::set(const QString& key, const QString& value) {
    values[ownKey(key)] = value;
}

QString FakeSettingsStore::value(const QString& key) const {
    const auto found = values.find(ownKey(key));
    return found == values.end() ? QString() : found->second;
}

bool FakeSettingsStore::contains(const QString& key) const {
    return values.count(ownKey(key)) > 0;
}

std::optional<RegistryKey> FakeRegistry::openKey(RegistryRoot root, const QString& path) {
    if (outOfMemory)
        throw std::bad_alloc();
    const QString name =
        root == RegistryRoot::Users ? path : QStringLiteral("HKEY_LOCAL_MACHINE\\") + path;
    if (!existingKeys.contains(name))
        return std::nullopt;
    ++openKeys;
    m_open[m_next] = name;
    return m_next++;
}

long FakeRegistry::setStringValue(RegistryKey key, const QString& name, const QString& text) {
    writes.push_back({m_open.at(key), name, text});
    writesHeld += holding;
    return kRegSuccess;
}

std::optional<RegistryValue> FakeRegistry::queryValue(RegistryKey key, const QString& name) {
    const auto found = storedValues.find(m_open.at(key) + u'\\' + name);
    if (found == storedValues.end())
        return std::nullopt;
    return found->second;
}

bool FakeRegistry::createKey(RegistryRoot root, const QString& path) {
    const QString name =
        root == RegistryRoot::Users ? path : QStringLiteral("HKEY_LOCAL_MACHINE\\") + path;
    if (!existingKeys.contains(name)) {
        existingKeys.insert(name);
        ++keysCreated;
    }
    return true;
}

void FakeRegistry::closeKey(RegistryKey key) {
    if (m_open.erase(key))
        --openKeys;
}

namespace {

class FakeAppointment final : public AppointmentItem {
public:
    FakeAppointment(FakeCalendar& calendar)
        : m_calendar(calendar) {
        m_calendar.items.emplace_back();
        m_index = m_calendar.items.size() - 1;
    }
    bool setSubject(const QString& subject) override {
        item().subject = subject;
        item().steps.push_back(QStringLiteral("Subject"));
        return true;
    }
    bool setBody(const QString& body) override {
        item().body = body;
        item().steps.push_back(QStringLiteral("Body"));
        return true;
    }
    bool setStart(const QDate& date, const QTime& time) override {
        item().startDate = date;
        item().startTime = time;
        item().steps.push_back(QStringLiteral("Start"));
        return true;
    }
    bool setEnd(const QDate& date, const QTime& time) override {
        item().endDate = date;
        item().endTime = time;
        item().steps.push_back(QStringLiteral("End"));
        return true;
    }
    bool display() override {
        item().displayed = true;
        item().steps.push_back(QStringLiteral("Display"));
        return true;
    }

private:
    FakeCalendar::Item& item() { return m_calendar.items[m_index]; }
    FakeCalendar& m_calendar;
    size_t m_index = 0;
};

class FakeCalendarApplication final : public CalendarApplication {
public:
    explicit FakeCalendarApplication(FakeCalendar& calendar)
        : m_calendar(calendar) {}
    std::unique_ptr<AppointmentItem> createAppointment() override {
        return std::make_unique<FakeAppointment>(m_calendar);
    }

private:
    FakeCalendar& m_calendar;
};

} // namespace

std::unique_ptr<CalendarApplication> FakeCalendar::create() {
    if (!available)
        return nullptr;
    ++applicationsCreated;
    return std::make_unique<FakeCalendarApplication>(*this);
}

} // namespace tempiro::platform
