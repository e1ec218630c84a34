#pragma once

#include "core/Twips.h"

class QColor;
class QWidget;

// What every window does to its controls: the design gives places and sizes in twips and a few
// fixed colours.
namespace tempiro::widgets {

// Places a control at the design's twips, converted at the screen's logical dpi.
void placeInTwips(QWidget& widget, double left, double top, double width, double height,
                  double dpi);
void placeInTwips(QWidget& widget, const TwipsRect& box, double dpi);
// Fixes a window's client area at the design's size in twips.
void fixSizeInTwips(QWidget& window, double width, double height, double dpi);

void setTextColour(QWidget& widget, const QColor& colour);
// Fills the widget's background with the colour rather than the style's.
void setBackgroundColour(QWidget& widget, const QColor& colour);

} // namespace tempiro::widgets
