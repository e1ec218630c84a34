#include "windowing/SystemSound.h"

#include "platform/LoadedLibrary.h"

#include <QApplication>
#include <alsa/asoundlib.h>
#include <canberra.h>
#include <utility>

namespace tempiro::windowing {

namespace {

// libasound prints its own complaints (no card, no default device) straight to standard error
// on every attempt to play; a machine without sound is normal for a timer, and the window
// system's beep stands in.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

template <typename Function> Function symbol(void* library, const char* name) {
    return library ? reinterpret_cast<Function>(dlsym(library, name)) : nullptr;
}

} // namespace

// The sound library, and the sound system under it, are loaded at the first beep: most runs
// never beep, and a start should cost only what the first window needs.
struct SystemSound::Canberra {
    bool tried = false;
    ca_context* context = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;

    void load() {
        // Kept loaded: the handler must stay in place for the sound library's use.
        static const platform::LoadedLibrary alsa("libasound.so.2");
        decltype(&snd_lib_error_set_handler) quiet = nullptr;
        if (alsa.find(quiet, "snd_lib_error_set_handler"))
            quiet(ignoreAlsaError);
        static const platform::LoadedLibrary canberra("libcanberra.so.0");
        decltype(&ca_context_create) create = nullptr;
        if (!canberra.find(create, "ca_context_create") | !canberra.find(play, "ca_context_play") |
                !canberra.find(destroy, "ca_context_destroy") ||
            create(&context) != CA_SUCCESS)
            context = nullptr;
    }
};

SystemSound::SystemSound()
    : m_canberra(std::make_unique<Canberra>()) {
    m_spacing.setTimerType(Qt::PreciseTimer);
    // Runs a pause after the run's last beep too, so that a run asked for meanwhile keeps the
    // rhythm rather than sounding at once.
    connect(&m_spacing, &QTimer::timeout, this, [this] {
        if (m_waiting == 0)
            return m_spacing.stop();
        --m_waiting;
        beep();
    });
}

SystemSound::~SystemSound() {
    if (m_canberra->context)
        m_canberra->destroy(m_canberra->context);
}

void SystemSound::prepare() {
    if (!std::exchange(m_canberra->tried, true))
        m_canberra->load();
}

void SystemSound::beep() {
    prepare();
    const bool played =
        m_canberra->context &&
        m_canberra->play(m_canberra->context, 0, CA_PROP_EVENT_ID, "bell",
                         CA_PROP_EVENT_DESCRIPTION, "Tempiro Timer", nullptr) == CA_SUCCESS;
    if (!played)
        QApplication::beep();
}

void SystemSound::beeps(int count, int pauseMilliseconds) {
    if (count <= 0)
        return;
    if (m_spacing.isActive()) {
        m_waiting += count;
        return;
    }
    beep();
    m_waiting = count - 1;
    if (pauseMilliseconds > 0 || m_waiting > 0)
        m_spacing.start(pauseMilliseconds);
}

} // namespace tempiro::windowing
