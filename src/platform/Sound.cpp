#include "platform/Sound.h"

#include <QApplication>
#include <QThread>

namespace platform {

void SystemSound::beep() {
    QApplication::beep();
}

void SystemSound::sleep(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace platform
