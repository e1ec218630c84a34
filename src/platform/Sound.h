#pragma once

#include <memory>

namespace tempiro::platform {

// The audible side of warnings and expiry, and the pause between warning beeps.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // Blocks the calling thread; the warning beeps are spaced by it on purpose.
    virtual void sleep(int milliseconds) = 0;
};

// The desktop sound theme's "bell" through libcanberra, or the window system's beep where that
// cannot play (no sound server, no theme). Playing never waits for the sound to end.
class SystemSound final : public Sound {
public:
    SystemSound();
    ~SystemSound() override;
    // Loads the sound library; the first beep does it when nobody did before.
    void prepare();
    void beep() override;
    void sleep(int milliseconds) override;

private:
    struct Canberra;
    std::unique_ptr<Canberra> m_canberra;
};

} // namespace tempiro::platform
