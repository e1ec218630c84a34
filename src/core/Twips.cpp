#include "core/Twips.h"

#include <cmath>

namespace tempiro {

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

double pixelsToTwips(double pixels, double logicalDpi) {
    return pixels * kTwipsPerInch / logicalDpi;
}

QRect twipsToPixels(const QRectF& twips, double logicalDpi) {
    return QRect(twipsToPixels(twips.left(), logicalDpi), twipsToPixels(twips.top(), logicalDpi),
                 twipsToPixels(twips.width(), logicalDpi),
                 twipsToPixels(twips.height(), logicalDpi));
}

} // namespace tempiro
