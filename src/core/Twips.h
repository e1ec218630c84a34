#pragma once

#include <QRect>
#include <QRectF>

// Window positions and sizes are kept in twips (1/1440 inch), converted at the screen's logical
// dpi so that the window keeps its proportions on scaled screens.
namespace tempiro {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kStandardDpi = 96.0;

int twipsToPixels(double twips, double logicalDpi = kStandardDpi);
double pixelsToTwips(double pixels, double logicalDpi = kStandardDpi);
QRect twipsToPixels(const QRectF& twips, double logicalDpi = kStandardDpi);

} // namespace tempiro
