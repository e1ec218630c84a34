#pragma once

#include "platform/Services.h"
#include "platform/TimeZoneSource.h"

#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace platform {

// A clock that stands still until told otherwise; set in day counts.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double now = 0)
        : m_now(now) {}
    QDateTime localNow() const override;
    void set(double now) { m_now = now; }
    void advanceSeconds(double seconds);
    double now() const { return m_now; }

private:
    double m_now;
};

// Records beeps and pauses in the order they were asked for; never sleeps.
class FakeSound final : public Sound {
public:
    enum class Event { Beep, Sleep };
    struct Entry {
        Event event;
        int milliseconds;
        bool operator==(const Entry&) const = default;
    };
    void beep() override { log.push_back({Event::Beep, 0}); }
    void sleep(int milliseconds) override { log.push_back({Event::Sleep, milliseconds}); }
    int beepCount() const;
    std::vector<Entry> log;
};

// Keeps the window state itself and records topmost requests, so tests do not depend on a
// window manager.
class FakeWindowControl final : public WindowControl {
public:
    struct TopmostCall {
        bool on;
        QPoint topLeft;
    };
    WindowState state(const QWidget&) const override { return currentState; }
    void setState(QWidget&, WindowState state) override;
    void bringToFront(QWidget&) override { ++broughtToFront; }
    void setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) override;
    void setTopmost(QWidget& window, bool on) override;

    WindowState currentState = WindowState::Normal;
    std::vector<WindowState> stateChanges;
    std::vector<TopmostCall> topmostCalls;
    std::vector<std::pair<const QWidget*, bool>> bandChanges; // setTopmost without a move
    int broughtToFront = 0;
};

// Settings kept in memory by "application/section/key"; remembers the order of writes.
class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    void flush() override { ++flushes; }

    // For the program's own section.
    void set(const QString& key, const QString& value);
    QString value(const QString& key) const;
    bool contains(const QString& key) const;

    std::map<QString, QString> values;
    QStringList writtenKeys;
    int flushes = 0;
};

// A registry whose keys exist when a test says so; every value written is logged.
class FakeRegistry final : public Registry {
public:
    struct Write {
        QString keyPath;
        QString name;
        QString value;
        bool operator==(const Write&) const = default;
    };
    std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path,
                                       quint32 access) override;
    long setStringValue(RegistryKey key, const QString& name, const QString& text) override;
    long setDwordValue(RegistryKey key, const QString& name, qint32 value) override;
    void closeKey(RegistryKey key) override;

    QSet<QString> existingKeys; // key paths under HKEY_USERS
    std::vector<Write> writes;
    std::vector<quint32> accessRequested;
    int openKeys = 0; // opened and not yet closed

private:
    std::map<RegistryKey, QString> m_open;
    RegistryKey m_next = 1;
};

// A local zone set by the test.
class FakeTimeZoneSource final : public TimeZoneSource {
public:
    TimeZoneQuery query() override {
        ++queries;
        return zone;
    }
    void set(const QString& standardName, bool daylight) {
        zone = {daylight ? kTimeZoneDaylight : kTimeZoneStandard, standardName};
    }
    TimeZoneQuery zone;
    int queries = 0;
};

struct FakePlatform {
    FakeClock clock;
    FakeSound sound;
    FakeWindowControl windows;
    FakeSettingsStore settings;
    FakeRegistry registry;
    FakeTimeZoneSource zones;
    Services services() { return {clock, sound, windows, settings, registry, zones}; }
};

} // namespace platform
