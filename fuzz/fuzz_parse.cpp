// Arbitrary text into the date/time parser and the time entry validation: nothing may crash,
// and whatever the parser accepts must come back unchanged through the General Date writer.
#include "core/DateText.h"
#include "core/DayCount.h"
#include "core/TimeValidation.h"
#include "fakes/FakePlatform.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tempiro;

namespace {

const std::vector<tempiro::DateText>& parsers() {
    static const std::vector<tempiro::DateText> all = {
        tempiro::DateText(QLocale(QLocale::English, QLocale::UnitedStates)),
        tempiro::DateText(QLocale(QLocale::German, QLocale::Germany)),
        tempiro::DateText(QLocale(QLocale::Japanese, QLocale::Japan)),
        tempiro::DateText(QLocale(QLocale::Spanish, QLocale::Colombia)),
    };
    return all;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double now = tempiro::toDayCount(QDate(2026, 12, 8), QTime(21, 0));
    platform::FakeTimeZoneSource zones;
    zones.rules = QTimeZone("America/New_York");
    for (const tempiro::DateText& parser : parsers()) {
        const tempiro::ParseResult result = parser.parse(text, 2026);
        if (result) {
            check(std::isfinite(*result.value));
            const tempiro::ParseResult back = parser.parse(parser.generalDate(*result.value), 2026);
            check(back.value.has_value());
            check(std::fabs(*back.value - *result.value) < 0.5 / tempiro::kSecondsPerDay);
        } else {
            check(result.stoppedAt >= 0 && result.stoppedAt <= text.size());
        }
        for (const int mode : {0, 1, 2}) {
            const TimeCheck entry = checkTime(text, mode, now, parser, zones);
            if (entry.accepted() && mode != 2)
                check(parser.parse(entry.text, 2026).value.has_value());
        }
    }
    return 0;
}
