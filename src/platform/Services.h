#pragma once

#include "platform/BrowserAssociation.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/DesktopApps.h"
#include "platform/MessageBoxes.h"
#include "platform/Notifier.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "platform/SystemTime.h"
#include "platform/TimeZoneSource.h"
#include "platform/TimerServices.h"
#include "platform/WindowControl.h"

namespace tempiro::platform {

// The outside things the timer's windows use, handed to them at construction so that tests can
// put doubles in their place.
struct Services {
    Clock& clock;
    Sound& sound;
    WindowControl& windows;
    SettingsStore& settings;
    Registry& registry;
    TimeZoneSource& zones;
    ProgramStarter& programs;
    BrowserAssociation& browsers;
    DesktopApps& desktop;
    MessageBoxes& messages;
    CalendarProvider& calendar;
    Notifier& notifier;
    SystemTime& system;
    // The folder of the program's executable file, without a trailing separator.
    QString programFolder;

    TimerServices forTimer() const {
        return {clock, sound, settings, registry, zones, notifier, system};
    }
};

} // namespace tempiro::platform
