#pragma once

#include "core/Twips.h"
#include "widgets/DesignFonts.h"

#include <QString>

// The main window's display scales with its width: the frame, the link row, the three big
// lines and the two captions, and their font sizes in six width bands. All lengths are twips.
namespace tempiro::mainwindow {

struct CaptionFont {
    QString family;
    double points = 0;
    bool operator==(const CaptionFont&) const = default;
};

// Everything the layout may change, as it stands before and after.
struct LayoutControls {
    TwipsRect frameDisplay, lblAlarmTime, lblLabel, lblSystemTime, lblAlarm, lblSystem, txtURL,
        cmdGo;
    double alarmTimePoints = 0, labelPoints = 0, systemTimePoints = 0;
    CaptionFont alarmCaption, systemCaption;
    bool operator==(const LayoutControls&) const = default;
};

struct LayoutWindow {
    bool minimized = false;
    double clientWidth = 0;
    double clientHeight = 0;
    double outerWidth = 0;
    bool bLbl = true;
};

// What a width band sets.
struct LayoutBand {
    double bigPoints;     // the upper and lower big lines (the middle line is 2 points smaller)
    double captionPoints; // the two captions; Small Fonts at 7 points and below
    double bottomMargin;  // how much shorter than the client area the display frame is
};

inline constexpr double kNarrowBelow = 300;
using widgets::kSansSerif;
using widgets::kSmallFonts;

// The band of a client width already rounded to a whole number.
LayoutBand bandOf(double roundedWidth);

// The layout of one size notification. An assignment that would give a negative width or
// height is skipped and the control keeps its value. Returns whether the window was
// minimised, in which case nothing changes and the display must redraw in full.
bool resizeLayout(const LayoutWindow& window, LayoutControls& controls);

// The controls as the window is designed.
LayoutControls designedLayout();

} // namespace tempiro::mainwindow
