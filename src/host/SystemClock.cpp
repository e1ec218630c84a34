#include "host/SystemClock.h"

namespace tempiro::host {

QDateTime SystemClock::localNow() const {
    // Whole seconds, as the display counts them: with the milliseconds kept, the remaining time
    // (cut to whole seconds) would show a second too little for most of each second, and " 00
    // 00:00:00" at exactly one day to go.
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}

} // namespace tempiro::host
