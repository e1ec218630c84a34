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

bool& optionFlag(DisplayOptions& o, DisplayOption option) {
    switch (option) {
    case DisplayOption::Seconds:
        return o.bSec;
    case DisplayOption::Minutes:
        return o.bMin;
    case DisplayOption::Hours:
        return o.bHr;
    case DisplayOption::Days:
        return o.bDay;
    case DisplayOption::TotalDays:
        return o.bTTlDay;
    case DisplayOption::Labels:
        return o.bLbl;
    case DisplayOption::Menus:
        return o.bShowMenus;
    case DisplayOption::LocalTime:
        return o.bShowLocalTime;
    case DisplayOption::KeepOnTop:
        break;
    }
    return o.bKeepTop;
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
