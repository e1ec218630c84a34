#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tempiro {

// The number at the start of the warning-minutes box: blanks anywhere are ignored, a point is
// the decimal separator, and a text that does not begin with a number counts as 0. Rounded to
// the nearest whole number, halves to even. Nothing when it does not fit a 16-bit count.
std::optional<qint16> minutesFromText(const QString& text);

// Its refusal, in the user's language.
QString warningOutOfRange();

} // namespace tempiro
