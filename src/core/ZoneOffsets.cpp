#include "core/ZoneOffsets.h"

#include "core/modMain.h"

#include <QRegularExpression>
#include <array>

namespace tempiro {

namespace {

struct RemoteZone {
    const char* abbreviation;
    qint16 offset;
};

constexpr std::array<RemoteZone, 8> kRemoteZones{{{"PST", -8},
                                                  {"PDT", -7},
                                                  {"MST", -7},
                                                  {"MDT", -6},
                                                  {"CST", -6},
                                                  {"CDT", -5},
                                                  {"EST", -5},
                                                  {"EDT", -4}}};

} // namespace

bool GetRemoteZoneOffset(const QString& text, qint16& offset) {
    const QString suffix = text.right(3);
    for (const RemoteZone& zone : kRemoteZones) {
        if (suffix == QLatin1String(zone.abbreviation)) {
            offset = zone.offset;
            return true;
        }
    }
    return false;
}

int GetLocalZoneOffset(platform::TimeZoneSource& zones, qint64 utcSeconds) {
    const int offset = zones.offsetFromUtc(utcSeconds);
    if (modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Local zone offset: %1 s").arg(offset));
    return offset;
}

std::optional<Designation> trailingDesignation(const QString& text) {
    // A word of capitals after a blank: an abbreviation the zone database may know ("CET",
    // "MESZ"); as with the United States ones, "pst" is no zone. "AEDT" ends in "EDT" but is
    // Australia's.
    static const QRegularExpression word(QStringLiteral("^(.*\\S)\\s+(\\p{Lu}{2,6})$"));
    const QRegularExpressionMatch named = word.match(text);
    if (named.hasMatch() && named.capturedLength(2) != 3)
        return Designation{named.captured(1), std::nullopt, named.captured(2)};
    qint16 hours = 0;
    if (GetRemoteZoneOffset(text, hours))
        return Designation{text.chopped(3), hours * 3600, {}};
    // UTC, GMT or Z, with or without an offset from it ("UTC+1", "GMT-08:00"), or an offset
    // alone in hours and minutes ("+01:00", "-0800"), each after a blank or straight after the
    // time ("22:00:00Z", "22:00:00+01:00"); hours up to 14, as zones go. The text before it is
    // the shortest that leaves a whole designation.
    static const QRegularExpression numeric(
        QStringLiteral("^(.*?[\\d\\p{L}.])\\s*(?:(?:(?i:UTC|GMT)|(?<=\\d)[Zz])(?:([+\\-\\x{2212}])("
                       "\\d{1,2})(?::?(\\d{2}))?)?"
                       "|([+\\-\\x{2212}])(\\d{2})(?::?(\\d{2}))?)$"));
    if (const QRegularExpressionMatch m = numeric.match(text); m.hasMatch()) {
        const int sign = m.capturedLength(2) ? 2 : m.capturedLength(5) ? 5 : 0;
        const int hours = sign ? m.captured(sign + 1).toInt() : 0;
        const int minutes = sign ? m.captured(sign + 2).toInt() : 0;
        if (hours > 14 || minutes >= 60)
            return std::nullopt;
        const int seconds = hours * 3600 + minutes * 60;
        return Designation{m.captured(1), m.captured(sign) == u"+" ? seconds : -seconds, {}};
    }
    if (named.hasMatch())
        return Designation{named.captured(1), std::nullopt, named.captured(2)};
    return std::nullopt;
}

} // namespace tempiro
