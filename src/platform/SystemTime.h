#pragma once

#include <QString>
#include <functional>

namespace tempiro::platform {

// What the system says about its own time: the computer going to sleep and waking, the wall
// clock being set, whether the clock is kept synchronised; and holding off sleep while a
// deadline is near. Where a service is missing its part stays silent.
class SystemTime {
public:
    virtual ~SystemTime() = default;
    // Starts listening for sleep and clock changes; nothing is asked of the system before.
    virtual void watch() = 0;
    // Asks, without waiting, whether the clock is synchronised; onSynchronised answers later,
    // and not at all where nothing can tell.
    virtual void askSynchronised() = 0;
    // Keeps the computer from sleeping and from idling until release(); `why` is what the
    // system shows of it. Asking again with the same words keeps the one hold.
    virtual void holdAwake(const QString& why) = 0;
    virtual void release() = 0;
    // How long the computer has been suspended since it started, in seconds: what proves a
    // sleep, whatever the signals said.
    virtual double suspendedSeconds() const = 0;

    std::function<void(bool asleep)> onSleep; // true going to sleep, false on waking
    std::function<void()> onClockSet;
    std::function<void(bool synchronised)> onSynchronised;
};

} // namespace tempiro::platform
