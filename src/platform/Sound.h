#pragma once

namespace tempiro::platform {

// The audible side of warnings and expiry, and the pause between warning beeps.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // Blocks the calling thread; the warning beeps are spaced by it on purpose.
    virtual void sleep(int milliseconds) = 0;
};

} // namespace tempiro::platform
