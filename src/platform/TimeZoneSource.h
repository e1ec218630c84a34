#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tempiro::platform {

class TimeZoneSource {
public:
    virtual ~TimeZoneSource() = default;
    // The local zone's offset east of UTC, in seconds, at an instant (seconds since 1970 UTC):
    // the rule the wall clock follows.
    virtual int offsetFromUtc(qint64 utcSeconds) = 0;
    // The local zone's IANA id ("Europe/Berlin"), empty where the system names none.
    virtual QString zoneId() = 0;
    // Another zone's offset east of UTC, in seconds, at an instant; nothing for an unknown id.
    virtual std::optional<int> offsetIn(const QString& zoneId, qint64 utcSeconds) = 0;
    // The offset east of UTC, in seconds, that a zone's abbreviation names near an instant
    // ("CET" one hour, "AEDT" eleven), as the zone database's names have it in English and in
    // the user's locale (a locale name, "de_DE"); nothing for an abbreviation it does not know,
    // or one that names zones with different offsets where the user's region picks none.
    virtual std::optional<int> designatedOffset(const QString& abbreviation,
                                                const QString& localeName, qint64 utcSeconds) = 0;
};

} // namespace tempiro::platform
