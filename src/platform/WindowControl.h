#pragma once

#include "platform/WindowState.h"

#include <QPoint>

class QWidget;

namespace tempiro::platform {

// What the timer asks of the window manager for its main window: the window state, bringing
// it forward, and the topmost band.
class WindowControl {
public:
    virtual ~WindowControl() = default;
    virtual WindowState state(const QWidget& window) const = 0;
    virtual void setState(QWidget& window, WindowState state) = 0;
    virtual void bringToFront(QWidget& window) = 0;
    // Puts the window into (on) or out of the topmost band, then moves its outer top-left
    // corner to topLeft (screen pixels), keeping its size, and shows it.
    virtual void setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) = 0;
    // Into or out of the topmost band, without moving the window.
    virtual void setTopmost(QWidget& window, bool on) = 0;
    // Whether the window system lets a program place its windows and keep them on top, which
    // Wayland does not: there the window's place is the compositor's.
    virtual bool placesWindows() const = 0;
};

} // namespace tempiro::platform
