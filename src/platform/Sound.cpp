#include "platform/Sound.h"

#include <QApplication>
#include <QThread>
#include <canberra.h>

namespace platform {

struct SystemSound::Canberra {
    ca_context* context = nullptr;
};

SystemSound::SystemSound()
    : m_canberra(std::make_unique<Canberra>()) {
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
