#include "platform/Clock.h"

namespace platform {

QDateTime SystemClock::localNow() const {
    return QDateTime::currentDateTime();
}

} // namespace platform
