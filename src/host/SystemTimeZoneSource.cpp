#include "host/SystemTimeZoneSource.h"

#include <QDateTime>
#include <QHash>
#include <QTimeZone>
#include <algorithm>
#include <memory>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

namespace tempiro::host {

namespace {

QString fromIcu(const icu::UnicodeString& text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
}

icu::UnicodeString toIcu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
}

// Where a name is found and what it names: a zone, and whether it is that zone's standard or
// daylight time (or either, a generic name).
struct NamedZone {
    QString id;
    UTimeZoneNameType type = UTZNM_UNKNOWN;
};

constexpr uint32_t kShortNames = UTZNM_SHORT_STANDARD | UTZNM_SHORT_DAYLIGHT | UTZNM_SHORT_GENERIC;

// The zones a locale's short names give to the whole of `abbreviation`; a metazone ("Europe
// Central") stands for its zone in the locale's region, or its reference zone.
QList<NamedZone> zonesNamed(const QString& abbreviation, const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::TimeZoneNames> names(
        icu::TimeZoneNames::createInstance(locale, status));
    if (U_FAILURE(status))
        return {};
    const icu::UnicodeString text = toIcu(abbreviation);
    const std::unique_ptr<icu::TimeZoneNames::MatchInfoCollection> found(
        names->find(text, 0, kShortNames, status));
    QList<NamedZone> zones;
    for (int32_t i = 0; U_SUCCESS(status) && found && i < found->size(); ++i) {
        if (found->getMatchLengthAt(i) != text.length())
            continue;
        icu::UnicodeString id;
        if (found->getMetaZoneIDAt(i, id)) {
            icu::UnicodeString zone;
            names->getReferenceZoneID(id, locale.getCountry(), zone);
            if (zone.isBogus() || zone.isEmpty())
                names->getReferenceZoneID(id, "001", zone);
            id = zone;
        } else {
            found->getTimeZoneIDAt(i, id);
        }
        if (!id.isEmpty())
            zones.append({fromIcu(id), found->getNameTypeAt(i)});
    }
    // "CET" is both Central Europe's standard time and its generic name: the standard wins, as
    // the generic one would follow the summer.
    if (std::any_of(zones.begin(), zones.end(),
                    [](const NamedZone& z) { return z.type != UTZNM_SHORT_GENERIC; }))
        zones.removeIf([](const NamedZone& z) { return z.type == UTZNM_SHORT_GENERIC; });
    return zones;
}

// The offset the name gives near the instant: a standard name the zone's standard offset, a
// daylight name the standard offset and the zone's daylight saving, a generic one whichever is
// in effect.
std::optional<int> offsetOf(const NamedZone& named, qint64 utcSeconds) {
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(toIcu(named.id)));
    int32_t raw = 0;
    int32_t saving = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone->getOffset(static_cast<UDate>(utcSeconds) * 1000.0, false, raw, saving, status);
    if (U_FAILURE(status))
        return std::nullopt;
    if (named.type == UTZNM_SHORT_STANDARD)
        return raw / 1000;
    if (named.type == UTZNM_SHORT_DAYLIGHT)
        return (raw + (saving != 0 ? saving : zone->getDSTSavings())) / 1000;
    return (raw + saving) / 1000;
}

// One offset for all the zones found, or none where they differ.
std::optional<int> agreedOffset(const QList<NamedZone>& zones, qint64 utcSeconds) {
    std::optional<int> agreed;
    for (const NamedZone& zone : zones) {
        const std::optional<int> offset = offsetOf(zone, utcSeconds);
        if (!offset || (agreed && *agreed != *offset))
            return std::nullopt;
        agreed = offset;
    }
    return agreed;
}

} // namespace

std::optional<int> SystemTimeZoneSource::designatedOffset(const QString& abbreviation,
                                                          const QString& localeName,
                                                          qint64 utcSeconds) {
    // The user's own locale decides first: "IST" is India's in India and Ireland's in Ireland.
    const icu::Locale user(localeName.toLatin1().constData());
    if (const QList<NamedZone> own = zonesNamed(abbreviation, user); !own.isEmpty())
        return agreedOffset(own, utcSeconds);
    QList<NamedZone> english;
    for (const char* country : {"US", "GB", "IE", "IN", "AU", "NZ"})
        english += zonesNamed(abbreviation, icu::Locale("en", country));
    // A name that English gives to zones apart is read in the user's region, or not at all.
    QList<NamedZone> regional;
    for (const NamedZone& zone : english) {
        char region[ULOC_COUNTRY_CAPACITY] = {};
        UErrorCode status = U_ZERO_ERROR;
        icu::TimeZone::getRegion(toIcu(zone.id), region, sizeof region, status);
        if (U_SUCCESS(status) && qstrcmp(region, user.getCountry()) == 0)
            regional.append(zone);
    }
    if (const std::optional<int> offset =
            agreedOffset(regional.isEmpty() ? english : regional, utcSeconds))
        return offset;
    static const QHash<QString, QString> unnamedInEnglish = {
        {QStringLiteral("JST"), QStringLiteral("Asia/Tokyo")},
        {QStringLiteral("KST"), QStringLiteral("Asia/Seoul")},
        {QStringLiteral("MSK"), QStringLiteral("Europe/Moscow")}};
    if (const QString id = unnamedInEnglish.value(abbreviation); !id.isEmpty())
        return offsetOf({id, UTZNM_SHORT_STANDARD}, utcSeconds);
    return std::nullopt;
}

QString SystemTimeZoneSource::zoneId() {
    return QString::fromUtf8(QTimeZone::systemTimeZoneId());
}

std::optional<int> SystemTimeZoneSource::offsetIn(const QString& zoneId, qint64 utcSeconds) {
    const QTimeZone zone(zoneId.toUtf8());
    if (zoneId.isEmpty() || !zone.isValid())
        return std::nullopt;
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
}

int SystemTimeZoneSource::offsetFromUtc(qint64 utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds).offsetFromUtc();
}

} // namespace tempiro::host
