#pragma once

#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "platform/SystemTime.h"
#include "platform/TimeZoneSource.h"

namespace tempiro::platform {

// The outside things the timer itself reaches: its clock and zones, where it keeps the alarm
// and hands it on, the beeps, the notices, and the system's sleep and clock. The windows'
// launchers, dialogs and window control are not among them.
struct TimerServices {
    Clock& clock;
    Sound& sound;
    SettingsStore& settings;
    Registry& registry;
    TimeZoneSource& zones;
    Notifier& notifier;
    SystemTime& system;
};

} // namespace tempiro::platform
