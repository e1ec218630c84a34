#pragma once

#include "core/TimerState.h"

#include <QList>

// The Display menu's rules, on the options alone, so that every face of the timer (the menu, a
// command) switches them the same way.
namespace tempiro {

enum class DisplayOption {
    Seconds,
    Minutes,
    Hours,
    Days,
    TotalDays,
    Labels,
    Menus,
    LocalTime,
    KeepOnTop,
    TrayIcon,
    KeepAwake,
};

bool& optionFlag(DisplayOptions& options, DisplayOption option);
bool optionFlag(const DisplayOptions& options, DisplayOption option);

// Switches one option and returns every option that changed, the one asked for first. A unit
// and Total Days exclude each other: a unit turned on turns Total Days off, and Total Days
// turned on turns every unit off.
QList<DisplayOption> toggleOption(DisplayOptions& options, DisplayOption option);

} // namespace tempiro
