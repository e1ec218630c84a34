#pragma once

#include <QRect>
#include <QRectF>

// Window positions and sizes are kept in twips (1/1440 inch), converted at the screen's logical
// dpi so that the window keeps its proportions on scaled screens.
namespace tempiro {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kStandardDpi = 96.0;

// A rectangle in twips: a window's outer place and size, a dialog's, a control's box. Single
// precision, as the design's own measures are: sums of them are rounded as the design rounds.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipsRect&) const = default;
};

int twipsToPixels(double twips, double logicalDpi = kStandardDpi);
double pixelsToTwips(double pixels, double logicalDpi = kStandardDpi);
QRect twipsToPixels(const QRectF& twips, double logicalDpi = kStandardDpi);

} // namespace tempiro
