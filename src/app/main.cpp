#include "app/ProgramEntry.h"
#include "host/DBusNotifier.h"
#include "host/DBusSystemTime.h"
#include "host/DesktopBrowserAssociation.h"
#include "host/DesktopDocumentOpener.h"
#include "host/FontConfigPreload.h"
#include "host/GioDesktopApps.h"
#include "host/ICalendar.h"
#include "host/QSettingsStore.h"
#include "host/RegFileRegistry.h"
#include "host/SystemClock.h"
#include "host/SystemProgramStarter.h"
#include "host/SystemTimeZoneSource.h"
#include "host/Translations.h"
#include "host/WindowSystem.h"
#include "windowing/QtMessageBoxes.h"
#include "windowing/SystemSound.h"
#include "windowing/SystemWindowControl.h"

#include <QApplication>
#include <QCoreApplication>
#include <malloc.h>
#include <optional>

using namespace tempiro;

int main(int argc, char* argv[]) {
    // A command for a timer that runs already is handed over before anything of the window
    // system is touched: the call answers in milliseconds and opens nothing. What it says (its
    // help, a mistake, a silent timer) is in the user's language, which needs an application
    // object of Qt Core alone for as long as the command line speaks.
    int qtArgc = 1;
    std::optional<QCoreApplication> commandLine;
    std::optional<host::Translations> commandLanguage;
    if (argc > 1) {
        commandLine.emplace(qtArgc, argv);
        commandLanguage.emplace();
    }
    const app::Start start = app::readCommandLine(argc, argv);
    if (start.exitStatus)
        return *start.exitStatus;
    host::SingleInstance instance;
    if (const std::optional<int> done = app::handOver(instance, start.command))
        return *done;
    commandLanguage.reset();
    commandLine.reset();
    host::preferXcbOnWayland();
    // The menu bar stays in the window: the design hides and shows it there, and asking the
    // session bus for a global menu at start costs as much as the rest of the menus.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // One heap for every thread: the font preload below, the window system's event reader and
    // the bus's thread would each open a heap of their own, and the font configuration's
    // leftovers would stay scattered in one of them for the whole run. The timer's threads
    // allocate little, and seldom at the same time.
    mallopt(M_ARENA_MAX, 1);
    std::optional<host::FontConfigPreload> fonts(std::in_place);
    std::optional<host::WindowSystemStart> starting(std::in_place);
    // Every option is the timer's own and has been read: Qt would take some of them for its own
    // (--title would title the first window and be lost to the timer), so it is given none.
    QApplication app(qtArgc, argv);
    starting.reset();
    fonts.reset();
    const host::Translations language;
    host::SystemClock clock;
    windowing::SystemSound sound;
    windowing::SystemWindowControl windows;
    host::QSettingsStore settings;
    host::RegFileRegistry registry;
    host::SystemTimeZoneSource zones;
    host::SystemProgramStarter programs;
    host::GioDesktopApps desktop;
    host::DesktopBrowserAssociation browsers(desktop, programs);
    windowing::QtMessageBoxes messages;
    host::DesktopDocumentOpener calendarOpener(desktop, QStringLiteral("text/calendar"));
    host::ICalendarProvider calendar(calendarOpener);
    host::DBusNotifier notifier;
    host::DBusSystemTime system;
    return tempiro::app::Main(app,
                              {clock, sound, windows, settings, registry, zones, programs, browsers,
                               desktop, messages, calendar, notifier, system,
                               QCoreApplication::applicationDirPath()},
                              instance, start.command);
}
