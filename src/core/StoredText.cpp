#include "core/StoredText.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace tempiro {

QString booleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<double> numberFromText(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> booleanFromText(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = numberFromText(word))
        return *number != 0;
    return std::nullopt;
}

QString integerText(qint16 value) {
    return QString::number(value);
}

std::optional<qint16> integer16FromText(const QString& text) {
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding: halves to even
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString singleText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<float> singleFromText(const QString& text) {
    const std::optional<double> number = numberFromText(text);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*number);
}

} // namespace tempiro
