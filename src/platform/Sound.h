#pragma once

namespace tempiro::platform {

// The audible side of warnings and expiry.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // A run of beeps, each followed by the given pause, after any run still playing. Returns at
    // once: nothing waits for the sounds.
    virtual void beeps(int count, int pauseMilliseconds) = 0;
};

} // namespace tempiro::platform
