#pragma once

#include "core/DayCount.h"
#include "core/Timer.h"
#include "fakes/FakePlatform.h"

#include <QLocale>

namespace tempiro::platform {

// The United States' locale while it lives; the timer takes the locale it starts in.
struct UsLocale {
    UsLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~UsLocale() { QLocale::setDefault(QLocale::c()); }
};

// The timer on the fake platform, started at 9:30 on Tuesday 8 December 2026 in the United
// States' locale with nothing stored: two hours to go.
struct FakeTimer {
    FakeTimer() {
        fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(9, 30)));
        timer.load();
    }
    UsLocale locale;
    FakePlatform fake;
    Timer timer{fake.services().forTimer()};
};

} // namespace tempiro::platform
