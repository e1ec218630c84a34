#include "core/DisplayOptions.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tempiro {

namespace {

constexpr DisplayOption kUnits[] = {DisplayOption::Seconds, DisplayOption::Days,
                                    DisplayOption::Hours, DisplayOption::Minutes};

bool isUnit(DisplayOption option) {
    return std::find(std::begin(kUnits), std::end(kUnits), option) != std::end(kUnits);
}

} // namespace

bool& optionFlag(DisplayOptions& options, DisplayOption option) {
    // In the order of DisplayOption.
    static constexpr bool DisplayOptions::*kFlags[] = {
        &DisplayOptions::bSec,       &DisplayOptions::bMin,           &DisplayOptions::bHr,
        &DisplayOptions::bDay,       &DisplayOptions::bTTlDay,        &DisplayOptions::bLbl,
        &DisplayOptions::bShowMenus, &DisplayOptions::bShowLocalTime, &DisplayOptions::bKeepTop,
        &DisplayOptions::bTrayIcon,  &DisplayOptions::bKeepAwake,
    };
    return options.*kFlags[static_cast<int>(option)];
}

bool optionFlag(const DisplayOptions& options, DisplayOption option) {
    return optionFlag(const_cast<DisplayOptions&>(options), option);
}

QList<DisplayOption> toggleOption(DisplayOptions& options, DisplayOption option) {
    bool& flag = optionFlag(options, option);
    flag = !flag;
    QList<DisplayOption> changed{option};
    if (flag && isUnit(option) && options.bTTlDay) {
        options.bTTlDay = false;
        changed << DisplayOption::TotalDays;
    } else if (flag && option == DisplayOption::TotalDays) {
        for (const DisplayOption unit : kUnits) {
            if (std::exchange(optionFlag(options, unit), false))
                changed << unit;
        }
    }
    return changed;
}

} // namespace tempiro
