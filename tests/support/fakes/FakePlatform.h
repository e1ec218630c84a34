#pragma once

#include "platform/Services.h"
#include "platform/TimeZoneSource.h"

#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimeZone>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace tempiro::platform {

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
    enum class Event { Beep, Pause };
    struct Entry {
        Event event;
        int milliseconds;
        bool operator==(const Entry&) const = default;
    };
    void beep() override { log.push_back({Event::Beep, 0}); }
    void beeps(int count, int pauseMilliseconds) override {
        for (int i = 0; i < count; ++i)
            log.insert(log.end(), {{Event::Beep, 0}, {Event::Pause, pauseMilliseconds}});
    }
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
    bool placesWindows() const override { return places; }

    WindowState currentState = WindowState::Normal;
    std::vector<WindowState> stateChanges;
    std::vector<TopmostCall> topmostCalls;
    std::vector<std::pair<const QWidget*, bool>> bandChanges; // setTopmost without a move
    int broughtToFront = 0;
    bool places = true; // false: a Wayland session
};

// Settings kept in memory by "application/section/key"; remembers the order of writes.
class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    QString flush() override {
        ++flushes;
        return flushFailure;
    }
    QString takeSetAside() override { return std::exchange(setAside, QString()); }

    // For the program's own section.
    void set(const QString& key, const QString& value);
    QString value(const QString& key) const;
    bool contains(const QString& key) const;

    std::map<QString, QString> values;
    QStringList writtenKeys;
    int flushes = 0;
    QString flushFailure; // what flush reports
    QString setAside;     // an unreadable file the next flush moved aside
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
    std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path) override;
    long setStringValue(RegistryKey key, const QString& name, const QString& text) override;
    std::optional<RegistryValue> queryValue(RegistryKey key, const QString& name) override;
    void closeKey(RegistryKey key) override;
    bool createKey(RegistryRoot root, const QString& path) override;
    void holdWrites() override { holding = true; }
    QString commitWrites() override {
        holding = false;
        ++commits;
        if (onCommit)
            onCommit();
        return commitFailure;
    }
    std::function<void()> onCommit;
    bool outOfMemory = false; // opening a key fails as a file too big for the memory would
    int keysCreated = 0;
    bool holding = false;
    int writesHeld = 0; // values set while holding
    int commits = 0;
    QString commitFailure; // what commitWrites reports

    // Key paths under HKEY_USERS; under HKEY_LOCAL_MACHINE with that name and a backslash first.
    QSet<QString> existingKeys;
    std::map<QString, RegistryValue> storedValues; // "key path\\name" -> value
    std::vector<Write> writes;
    int openKeys = 0; // opened and not yet closed

private:
    std::map<RegistryKey, QString> m_open;
    RegistryKey m_next = 1;
};

// A local zone set by the test.
class FakeTimeZoneSource final : public TimeZoneSource {
public:
    int offsetFromUtc(qint64 utcSeconds) override {
        ++queries;
        return rules.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
    }
    QString zoneId() override { return QString::fromUtf8(rules.id()); }
    std::optional<int> offsetIn(const QString& id, qint64 utcSeconds) override {
        const QTimeZone zone(id.toUtf8());
        if (!zone.isValid())
            return std::nullopt;
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
    }
    std::optional<int> designatedOffset(const QString& abbreviation, const QString&,
                                        qint64) override {
        const auto found = designations.find(abbreviation);
        return found == designations.end() ? std::nullopt : std::optional(found->second);
    }
    QTimeZone rules = QTimeZone::utc();  // the wall clock's offsets
    std::map<QString, int> designations; // abbreviation -> seconds east of UTC
    int queries = 0;                     // of the zone, its offsets included
};

// Records every start; the outcome is the test's to choose.
class FakeProgramStarter final : public ProgramStarter {
public:
    struct Call {
        QString program;
        QStringList arguments;
        bool operator==(const Call&) const = default;
    };
    StartOutcome start(const QString& program, const QStringList& arguments) override {
        calls.push_back({program, arguments});
        return outcome;
    }
    bool isRunning(qint64 taskId) override { return running.count(taskId) > 0; }
    std::set<qint64> running;
    QString findProgram(const QString& name) override {
        const auto found = installed.find(name);
        return found == installed.end() ? QString() : found->second;
    }
    StartOutcome outcome{true, 4242, 0, {}};
    std::map<QString, QString> installed; // program name -> full path
    std::vector<Call> calls;
};

// Finds the test's answer; a start is the start of that program, recorded by the program starter.
class FakeBrowserAssociation final : public BrowserAssociation {
public:
    explicit FakeBrowserAssociation(ProgramStarter& starter)
        : m_starter(starter) {}
    int findExecutable(const QString& document, QString& out) override {
        documents << document;
        if (resultCode >= 32)
            out = answer;
        return resultCode;
    }
    StartOutcome start(const QString& program, const QStringList& addresses) override {
        return m_starter.start(program, addresses);
    }
    int resultCode = kFound;
    QString answer = QStringLiteral("/usr/bin/test-browser");
    QStringList documents;

private:
    ProgramStarter& m_starter;
};

// A desktop with the applications the test installs; launches are recorded.
class FakeDesktopApps final : public DesktopApps {
public:
    struct Launch {
        DesktopApp app;
        QStringList uris;
        bool operator==(const Launch&) const = default;
    };
    std::optional<DesktopApp> defaultFor(const QString& contentType) override {
        const auto found = defaults.find(contentType);
        return found == defaults.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<DesktopApp> forProgram(const QString& name) override {
        const auto found = programs.find(name);
        return found == programs.end() ? std::nullopt : std::optional(found->second);
    }
    StartOutcome launch(const DesktopApp& app, const QStringList& uris) override {
        launches.push_back({app, uris});
        return outcome;
    }
    std::map<QString, DesktopApp> defaults; // content type -> application
    std::map<QString, DesktopApp> programs; // program name -> application
    StartOutcome outcome{true, 5353, 0, {}};
    std::vector<Launch> launches;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
        bool operator==(const Shown&) const = default;
    };
    void show(const QString& text, const QString& caption, Icon icon) override {
        shown.push_back({text, caption, icon});
    }
    std::vector<Shown> shown;
};

// A calendar program that keeps every appointment it was given.
class FakeCalendar final : public CalendarProvider {
public:
    struct Item {
        QString subject, body;
        QDate startDate, endDate;
        QTime startTime, endTime;
        bool displayed = false;
        std::vector<QString> steps;
    };
    std::unique_ptr<CalendarApplication> create() override;
    bool available = true;
    int applicationsCreated = 0;
    std::vector<Item> items;
};

// Keeps every notice (and, as summary and body, what it said); the user's choice of an action is
// the test's to make, through onAction.
class FakeNotifier final : public Notifier {
public:
    void notify(const Notification& notification) override {
        shown.emplace_back(notification.summary, notification.body);
        notices.push_back(notification);
    }
    using Notifier::notify;
    void withdraw() override { ++withdrawn; }
    std::vector<std::pair<QString, QString>> shown;
    std::vector<Notification> notices;
    int withdrawn = 0;
};

// Records what the timer asks of the system; sleep, a clock set and the clock's state are the
// test's to raise through the callbacks.
class FakeSystemTime final : public SystemTime {
public:
    void watch() override { ++watched; }
    void askSynchronised() override { ++asked; }
    void holdAwake(const QString& why) override {
        if (why != held)
            holds << why;
        held = why;
    }
    void release() override { held.clear(); }
    double suspendedSeconds() const override { return suspended; }
    double suspended = 0;
    int watched = 0;
    int asked = 0;
    QStringList holds; // each new hold's words
    QString held;      // the hold now, empty when none
};

struct FakePlatform {
    FakeClock clock;
    FakeSound sound;
    FakeWindowControl windows;
    FakeSettingsStore settings;
    FakeRegistry registry;
    FakeTimeZoneSource zones;
    FakeProgramStarter programs;
    FakeBrowserAssociation browsers{programs};
    FakeDesktopApps desktop;
    FakeMessageBoxes messages;
    FakeCalendar calendar;
    FakeNotifier notifier;
    FakeSystemTime system;
    QTemporaryDir programFolder;
    Services services() {
        return {clock,    sound,   windows,  settings, registry, zones,  programs,
                browsers, desktop, messages, calendar, notifier, system, programFolder.path()};
    }
};

} // namespace tempiro::platform
