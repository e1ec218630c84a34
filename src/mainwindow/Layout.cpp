#include "mainwindow/Layout.h"

#include <array>
#include <cmath>

namespace tempiro::mainwindow {

namespace {

constexpr std::array<std::pair<double, LayoutBand>, 6> kBands{{
    {2500, {10, 4, 50}},
    {3500, {12, 5, 100}},
    {6000, {18, 7, 200}},
    {8500, {24, 10, 300}},
    {12300, {48, 18, 450}},
    {0, {96, 24, 500}},
}};

constexpr double kFrameMargin = 50;
constexpr double kLinkRowAboveFrameBottom = 264;
constexpr double kLinkRowButtonRoom = 600;
constexpr double kBigLabelRoom = 205;
constexpr double kNarrowFrameRoom = 180;
constexpr double kCaptionDrop = 0.18;
constexpr double kCaptionShorterBy = 20;

// Nearest whole number, halves to even.
double rounded(double value) {
    return std::nearbyint(value);
}

void setWidth(TwipsRect& box, double width) {
    if (width >= 0)
        box.width = width;
}

void setHeight(TwipsRect& box, double height) {
    if (height >= 0)
        box.height = height;
}

void placeCaption(TwipsRect& caption, CaptionFont& font, const TwipsRect& bigLine,
                  const TwipsRect& lowerLine, double width, double left,
                  const CaptionFont& captionFont) {
    caption.top = bigLine.top + bigLine.height * kCaptionDrop;
    setWidth(caption, width);
    caption.left = left;
    font = captionFont;
    setHeight(caption, lowerLine.height - kCaptionShorterBy);
}

void narrow(const LayoutWindow& window, LayoutControls& c) {
    setWidth(c.frameDisplay, window.outerWidth - kNarrowFrameRoom);
    c.frameDisplay.left = 0;
    const double w = rounded(c.frameDisplay.width - kNarrowFrameRoom);
    setWidth(c.lblAlarmTime, w);
    setWidth(c.lblSystemTime, w);
    const double x = rounded(w - c.lblAlarm.width);
    c.lblAlarm.left = x;
    c.lblSystem.left = x;
}

} // namespace

LayoutBand bandOf(double roundedWidth) {
    for (const auto& [below, band] : kBands)
        if (below > 0 && roundedWidth < below)
            return band;
    return kBands.back().second;
}

bool resizeLayout(const LayoutWindow& window, LayoutControls& c) {
    if (window.minimized)
        return true;
    if (window.clientWidth < kNarrowBelow) {
        narrow(window, c);
        return false;
    }
    const LayoutBand band = bandOf(rounded(window.clientWidth));

    setWidth(c.frameDisplay, window.clientWidth - 2 * kFrameMargin);
    c.frameDisplay.left = kFrameMargin;
    if (band.bottomMargin < window.clientHeight)
        setHeight(c.frameDisplay, window.clientHeight - band.bottomMargin);

    const TwipsRect& frame = c.frameDisplay;
    const double row = rounded(frame.top + frame.height - kLinkRowAboveFrameBottom);
    c.txtURL.top = row;
    c.cmdGo.top = row;
    c.txtURL.left = frame.left + 25;
    if (frame.width > kLinkRowButtonRoom + 25) {
        setWidth(c.txtURL, frame.width - kLinkRowButtonRoom - 35);
        c.cmdGo.left = frame.left + frame.width - kLinkRowButtonRoom - 25;
    }

    const double w = rounded(frame.width - kBigLabelRoom);
    const double h = frame.height;
    setWidth(c.lblAlarmTime, w);
    setHeight(c.lblAlarmTime, h / 5);
    c.alarmTimePoints = band.bigPoints;
    setWidth(c.lblLabel, w);
    setHeight(c.lblLabel, h / 5);
    c.lblLabel.top = 2 * (h / 5);
    c.labelPoints = band.bigPoints - 2;
    setWidth(c.lblSystemTime, w);
    setHeight(c.lblSystemTime, h / 5);
    c.lblSystemTime.top = 3 * (h / 5);
    c.systemTimePoints = band.bigPoints;

    if (!window.bLbl)
        return false;
    const bool small = band.captionPoints <= 7;
    const double share = small ? 0.11 : 0.12;
    const double captionWidth = rounded(c.lblAlarmTime.width * share);
    const double captionLeft = rounded(c.lblAlarmTime.width - captionWidth);
    const CaptionFont captionFont{small ? kSmallFonts : kSansSerif, band.captionPoints};
    placeCaption(c.lblAlarm, c.alarmCaption, c.lblAlarmTime, c.lblSystemTime, captionWidth,
                 captionLeft, captionFont);
    placeCaption(c.lblSystem, c.systemCaption, c.lblSystemTime, c.lblSystemTime, captionWidth,
                 captionLeft, captionFont);
    return false;
}

LayoutControls designedLayout() {
    LayoutControls c;
    c.frameDisplay = {204, 0, 4365, 1795};
    c.lblAlarmTime = {90, 225, 4170, 495};
    c.lblLabel = {105, 825, 4170, 345};
    c.lblSystemTime = {105, 1215, 4170, 495};
    c.lblAlarm = {3630, 1275, 525, 375};
    c.lblSystem = {3630, 285, 525, 375};
    c.txtURL = {210, 1968, 4365, 228};
    c.cmdGo = {4596, 1968, 598, 228};
    c.alarmTimePoints = 18;
    c.labelPoints = 13.5;
    c.systemTimePoints = 18;
    c.alarmCaption = {kSmallFonts, 6.75};
    c.systemCaption = {kSmallFonts, 6.75};
    return c;
}

} // namespace tempiro::mainwindow
