#include "core/TimerState.h"

namespace tempiro {

void FirstStart::apply(TimerState& state, double now) {
    state.bSec = state.bMin = state.bHr = state.bDay = true;
    state.bTTlDay = false;
    state.bLbl = true;
    state.bWarn = false;
    state.nWarnMin = kWarnMinutes;
    state.bAutoOpen = false;
    state.bAdminReadOnly = false;
    state.bKeepTop = false;
    state.bShowLocalTime = false;
    state.bShowMenus = true;
    state.bTrayIcon = true;
    state.nTimeorInterval = kModeTime;
    state.dAlarmTime = now + kTargetAhead;
    state.sEventTitle.clear();
}

} // namespace tempiro
