#pragma once

namespace tempiro::host {

// On a Wayland session, asks Qt for XWayland (the xcb platform) unless the user chose a
// platform: the timer places its windows at screen positions and keeps itself on top, which
// Wayland does not grant to programs. Call before the application object is made.
void preferXcbOnWayland();

// Held while the application object is made: when no window system can be reached, Qt would
// abort with advice to reinstall; the program says instead, in one line on standard error,
// which display it could not open (or which window system plugin is missing), and ends with
// status 1.
class WindowSystemStart {
public:
    WindowSystemStart();
    ~WindowSystemStart();
    WindowSystemStart(const WindowSystemStart&) = delete;
    WindowSystemStart& operator=(const WindowSystemStart&) = delete;
};

} // namespace tempiro::host
