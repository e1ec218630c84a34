#include "platform/TimeZoneSource.h"

#include <QDateTime>
#include <QTimeZone>

namespace platform {

TimeZoneQuery SystemTimeZoneSource::query() {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return {};
    const bool daylight = zone.isDaylightTime(QDateTime::currentDateTime());
    return {daylight ? kTimeZoneDaylight : kTimeZoneStandard,
            QString::fromLatin1(QTimeZone::ianaIdToWindowsId(zone.id()))};
}

} // namespace platform
