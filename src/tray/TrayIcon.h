#pragma once

#include "core/TimerStatus.h"

#include <QIcon>
#include <QImage>

namespace tempiro::tray {

// The notification area's picture of the timer, drawn at `pixels` square: a disc in the state's
// colour filled clockwise from twelve o'clock as the countdown passes (a stop watch shows a hand
// instead), two bars while paused, a plus once expired.
QImage drawTrayIcon(const TimerStatus& status, int pixels);

// The picture at the sizes panels ask for (16, 22, 24 and 32 px), and again at the screen's
// scale, so that a panel never scales a blurred one.
QIcon trayIcon(const TimerStatus& status, qreal devicePixelRatio);

} // namespace tempiro::tray
