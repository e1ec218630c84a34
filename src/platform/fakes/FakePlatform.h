#pragma once

#include "platform/Services.h"

#include <QPoint>
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

    WindowState currentState = WindowState::Normal;
    std::vector<WindowState> stateChanges;
    std::vector<TopmostCall> topmostCalls;
    int broughtToFront = 0;
};

struct FakePlatform {
    FakeClock clock;
    FakeSound sound;
    FakeWindowControl windows;
    Services services() { return {clock, sound, windows}; }
};

} // namespace platform
