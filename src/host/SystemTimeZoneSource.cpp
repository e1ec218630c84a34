#include "host/SystemTimeZoneSource.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <ctime>
#include <memory>
#include <unicode/timezone.h>
#include <unicode/ucal.h>

namespace tempiro::host {

using platform::kTimeZoneDaylight;
using platform::kTimeZoneStandard;

namespace {

const QString kZoneInfo = QStringLiteral("/usr/share/zoneinfo");

QString fromIcu(const icu::UnicodeString& text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
}

// The canonical id of a zone known by any of its names ("US/Eastern" is "America/New_York");
// empty for a name that is no zone.
QString canonicalId(const QString& id) {
    icu::UnicodeString canonical;
    UBool isSystem = false;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(
        icu::UnicodeString(reinterpret_cast<const char16_t*>(id.utf16()), id.size()), canonical,
        isSystem, status);
    return U_SUCCESS(status) && isSystem ? fromIcu(canonical) : QString();
}

bool isUniversal(const QString& canonical) {
    return canonical.isEmpty() || canonical == QLatin1String("Etc/UTC") ||
           canonical == QLatin1String("Etc/Unknown") || canonical == QLatin1String("Etc/GMT");
}

// A zone file copied rather than linked carries no name; the zone database file with the same
// content gives it one.
QString zoneOfFile(const QString& path, const QString& zoneInfo) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    QDirIterator each(zoneInfo, QDir::Files, QDirIterator::Subdirectories);
    while (each.hasNext()) {
        const QString candidate = each.next();
        const QString id = QDir(zoneInfo).relativeFilePath(candidate);
        if (id.startsWith(QLatin1String("posix/")) || id.startsWith(QLatin1String("right/")) ||
            each.fileInfo().size() != content.size())
            continue;
        QFile other(candidate);
        if (other.open(QIODevice::ReadOnly) && other.readAll() == content &&
            !canonicalId(id).isEmpty())
            return id;
    }
    return {};
}

// A zone given as a file: a path into the zone database names itself; any other file is
// looked up by its content.
QString zoneOfPath(const QString& path, const QString& zoneInfo) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QString prefix = QDir(zoneInfo).absolutePath() + u'/';
    if (target.startsWith(prefix))
        return target.mid(prefix.size());
    return zoneOfFile(target, zoneInfo);
}

// A POSIX rule ("EST5EDT,M3.2.0,M11.1.0") names no region: the standard offset and whether the
// zone keeps daylight time are all it tells, and they pick one of the United States zones.
QString zoneOfOffsets(long secondsWest, bool keepsDaylight) {
    struct Rule {
        long hoursWest;
        bool daylight;
        const char* id;
    };
    static constexpr Rule kRules[] = {{5, true, "America/New_York"},
                                      {6, true, "America/Chicago"},
                                      {7, true, "America/Denver"},
                                      {7, false, "America/Phoenix"},
                                      {8, true, "America/Los_Angeles"}};
    for (const Rule& rule : kRules)
        if (secondsWest == rule.hoursWest * 3600 && keepsDaylight == rule.daylight)
            return QString::fromLatin1(rule.id);
    return {};
}

} // namespace

HostZone hostZone(const QString& zoneInfo, const QString& localTime) {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    const bool libcDaylight = local.tm_isdst > 0;

    std::unique_ptr<icu::TimeZone> detected(icu::TimeZone::detectHostTimeZone());
    icu::UnicodeString detectedId;
    detected->getID(detectedId);
    QString id = canonicalId(fromIcu(detectedId));
    if (!isUniversal(id)) {
        UErrorCode status = U_ZERO_ERROR;
        const bool daylight = detected->inDaylightTime(ucal_getNow(), status);
        return {id, U_SUCCESS(status) && daylight};
    }
    // ICU reads neither a file path in TZ, nor a copied zone file, nor a POSIX rule.
    QString tz = qEnvironmentVariable("TZ");
    if (tz.startsWith(u':'))
        tz.remove(0, 1);
    if (!qEnvironmentVariableIsSet("TZ"))
        id = canonicalId(zoneOfPath(localTime, zoneInfo));
    else if (tz.startsWith(u'/'))
        id = canonicalId(zoneOfPath(tz, zoneInfo));
    else
        id = zoneOfOffsets(::timezone, ::daylight != 0);
    if (isUniversal(id))
        return {QStringLiteral("Etc/UTC"), false};
    const QTimeZone zone(id.toLatin1());
    return {id, zone.isValid() ? zone.isDaylightTime(QDateTime::currentDateTime()) : libcDaylight};
}

TimeZoneQuery SystemTimeZoneSource::query() {
    const HostZone zone = hostZone();
    return {zone.daylight ? kTimeZoneDaylight : kTimeZoneStandard,
            QString::fromLatin1(QTimeZone::ianaIdToWindowsId(zone.id.toLatin1()))};
}

int SystemTimeZoneSource::offsetFromUtc(qint64 utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds).offsetFromUtc();
}

} // namespace tempiro::host
