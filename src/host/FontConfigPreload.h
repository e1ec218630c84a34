#pragma once

#include <thread>

namespace tempiro::host {

// Held while the application object connects to the window system: fontconfig reads its
// configuration (some fifty files) at its first use, which Qt would otherwise do on the
// user-interface thread when the first window asks for a font. Loaded on a second thread
// meanwhile, it is ready when that moment comes. Let go before the first font is made: it waits
// for the loading to end, so that Qt never loads a second configuration beside it.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

private:
    std::thread m_loading;
};

} // namespace tempiro::host
