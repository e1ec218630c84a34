#include "platform/fakes/FakePlatform.h"

#include "core/DayCount.h"

#include <QTimeZone>
#include <QWidget>
#include <algorithm>

namespace platform {

QDateTime FakeClock::localNow() const {
    // Only the wall-clock reading is used, so a zone without gaps keeps every reading valid.
    const tempiro::LocalDateTime local = tempiro::toLocalDateTime(m_now);
    return QDateTime(local.date, local.time, QTimeZone::utc());
}

void FakeClock::advanceSeconds(double seconds) {
    m_now += seconds / tempiro::kSecondsPerDay;
}

int FakeSound::beepCount() const {
    return static_cast<int>(std::count_if(log.begin(), log.end(),
                                          [](const Entry& e) { return e.event == Event::Beep; }));
}

void FakeWindowControl::setState(QWidget&, WindowState state) {
    currentState = state;
    stateChanges.push_back(state);
}

void FakeWindowControl::setTopmostAndMove(QWidget& window, bool on, QPoint topLeft) {
    topmostCalls.push_back({on, topLeft});
    window.move(topLeft);
}

} // namespace platform
