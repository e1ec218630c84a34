#pragma once

#include "platform/Sound.h"

#include <memory>

namespace tempiro::windowing {

// The desktop sound theme's "bell" through libcanberra, or the window system's beep where that
// cannot play (no sound server, no theme). Playing never waits for the sound to end.
class SystemSound final : public platform::Sound {
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

} // namespace tempiro::windowing
