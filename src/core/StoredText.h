#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The text forms of stored values, and their tolerant reading: a text that does not convert
// gives nothing, and the caller keeps its field as it was.
namespace tempiro {

QString booleanText(bool value); // "True" or "False"
// The words True and False in any letter case, or a number (0 false, any other true).
std::optional<bool> booleanFromText(const QString& text);

QString integerText(qint16 value);
// A number rounded to the nearest whole number, halves to even; nothing when it does not fit
// 16 bits.
std::optional<qint16> integer16FromText(const QString& text);

// The shortest decimal text that reads back as the same single-precision number.
QString singleText(float value);
std::optional<float> singleFromText(const QString& text);

// A plain decimal number with "." as the decimal point, blanks around it ignored.
std::optional<double> numberFromText(const QString& text);

} // namespace tempiro
