#include "core/modMain.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "platform/TimeZoneSource.h"
#include "platform/WindowControl.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::SystemClock clock;
    platform::SystemSound sound;
    platform::SystemWindowControl windows;
    platform::QSettingsStore settings;
    platform::RegFileRegistry registry;
    platform::SystemTimeZoneSource zones;
    return modMain::Main(app, {clock, sound, windows, settings, registry, zones});
}
