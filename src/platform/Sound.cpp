#include "platform/Sound.h"

#include <QApplication>
#include <QThread>
#include <alsa/asoundlib.h>
#include <canberra.h>

namespace platform {

namespace {

// libasound prints its own complaints (no card, no default device) straight to standard error
// on every attempt to play; a machine without sound is normal for a timer, and the window
// system's beep stands in.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

struct SystemSound::Canberra {
    ca_context* context = nullptr;
};

SystemSound::SystemSound()
    : m_canberra(std::make_unique<Canberra>()) {
    snd_lib_error_set_handler(ignoreAlsaError);
    if (ca_context_create(&m_canberra->context) != CA_SUCCESS)
        m_canberra->context = nullptr;
}

SystemSound::~SystemSound() {
    if (m_canberra->context)
        ca_context_destroy(m_canberra->context);
}

void SystemSound::beep() {
    const bool played =
        m_canberra->context &&
        ca_context_play(m_canberra->context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                        "Tempiro Timer", nullptr) == CA_SUCCESS;
    if (!played)
        QApplication::beep();
}

void SystemSound::sleep(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace platform
