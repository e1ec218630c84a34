#pragma once

#include "platform/Sound.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace tempiro::windowing {

// The desktop sound theme's "bell" through libcanberra, or the window system's beep where that
// cannot play (no sound server, no theme). Playing never waits for the sound to end, and a run
// of beeps is spaced by the event loop, so that the window, the command line and a screen reader
// are answered meanwhile.
class SystemSound final : public QObject, public platform::Sound {
    Q_OBJECT
public:
    SystemSound();
    ~SystemSound() override;
    // Loads the sound library; the first beep does it when nobody did before.
    void prepare();
    void beep() override;
    void beeps(int count, int pauseMilliseconds) override;
    // Whether a run of beeps, or the pause after its last, is still going on.
    bool playing() const { return m_spacing.isActive(); }

private:
    struct Canberra;
    std::unique_ptr<Canberra> m_canberra;
    QTimer m_spacing;
    int m_waiting = 0; // beeps of the run still to play
};

} // namespace tempiro::windowing
