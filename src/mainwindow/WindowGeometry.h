#pragma once

#include "core/Settings.h"
#include "platform/SettingsStore.h"

class QWidget;

// The main window's place and size between runs, in twips of the screen's logical dpi.
namespace tempiro::mainwindow {

// The outer corner and the window's own size, without the window manager's frame, which is not
// known before the window is shown.
TwipsRect windowTwips(const QWidget& window);

// Puts the window where the last run left it, when that can still be reached on a screen; only
// its size where the window system places windows itself.
void restoreWindow(QWidget& window, platform::SettingsStore& store, bool position);

} // namespace tempiro::mainwindow
