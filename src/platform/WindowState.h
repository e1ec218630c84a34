#pragma once

namespace tempiro::platform {

// How the window manager shows the main window.
enum class WindowState { Normal, Minimized, Maximized };

} // namespace tempiro::platform
