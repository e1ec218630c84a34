#include "core/WarningMinutes.h"

#include "core/Translate.h"

#include <cmath>
#include <limits>

namespace tempiro {

QString warningOutOfRange() {
    return EntryText::tr("Warning minutes must be a number from -32768 to 32767.");
}

std::optional<qint16> minutesFromText(const QString& text) {
    QString number;
    bool digits = false;
    bool point = false;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        if (number.isEmpty() && (c == u'-' || c == u'+')) {
            number += c;
        } else if (c >= u'0' && c <= u'9') {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    const double value = digits ? std::nearbyint(number.toDouble()) : 0.0;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

} // namespace tempiro
