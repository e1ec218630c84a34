#include "core/DayCount.h"

#include <cmath>

namespace tempiro {

QDate dayCountEpoch() {
    return QDate(1899, 12, 30);
}

double toDayCount(const QDate& date, const QTime& time) {
    const double days = static_cast<double>(dayCountEpoch().daysTo(date));
    const double msecs = time.isValid() ? time.msecsSinceStartOfDay() : 0;
    return days + msecs / (kSecondsPerDay * 1000.0);
}

double toDayCount(const QDateTime& wallClock) {
    return toDayCount(wallClock.date(), wallClock.time());
}

LocalDateTime toLocalDateTime(double dayCount) {
    const double seconds = std::round(dayCount * kSecondsPerDay);
    const double days = std::floor(seconds / kSecondsPerDay);
    const int secondOfDay = static_cast<int>(seconds - days * kSecondsPerDay);
    return {dayCountEpoch().addDays(static_cast<qint64>(days)),
            QTime::fromMSecsSinceStartOfDay(secondOfDay * 1000)};
}

std::int64_t wholeSeconds(double dayCount) {
    return std::llround(std::fabs(dayCount) * kSecondsPerDay);
}

Moment momentOf(const QDateTime& wallClock) {
    return {toDayCount(wallClock), realFromUtcSeconds(wallClock.toSecsSinceEpoch())};
}

QString isoText(double dayCount) {
    const LocalDateTime local = toLocalDateTime(dayCount);
    return local.date.toString(Qt::ISODate) + u'T' + local.time.toString(Qt::ISODate);
}

std::optional<double> fromIsoText(const QString& text) {
    const qsizetype t = text.indexOf(u'T');
    if (t < 0)
        return std::nullopt;
    const QDate date = QDate::fromString(text.left(t), Qt::ISODate);
    const QTime time = QTime::fromString(text.mid(t + 1), Qt::ISODate);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return toDayCount(date, time);
}

} // namespace tempiro
