#pragma once

namespace platform {

// On a Wayland session, asks Qt for XWayland (the xcb platform) unless the user chose a
// platform: the timer places its windows at screen positions and keeps itself on top, which
// Wayland does not grant to programs. Call before the application object is made.
void preferXcbOnWayland();

} // namespace platform
