#include "mainwindow/Layout.h"

#include <gtest/gtest.h>

using namespace tempiro;

using namespace mainwindow;

namespace {

LayoutWindow sized(double width, double height = 4000, bool labels = true) {
    LayoutWindow w;
    w.clientWidth = width;
    w.clientHeight = height;
    w.outerWidth = width + 120;
    w.bLbl = labels;
    return w;
}

LayoutControls laidOut(const LayoutWindow& window) {
    LayoutControls c = designedLayout();
    resizeLayout(window, c);
    return c;
}

} // namespace

TEST(Layout, SixWidthBands) {
    struct Row {
        double width;
        double big, caption, margin;
        QString family;
        double share;
    };
    const std::vector<Row> rows = {
        {2499, 10, 4, 50, kSmallFonts, 0.11},   {2500, 12, 5, 100, kSmallFonts, 0.11},
        {3499, 12, 5, 100, kSmallFonts, 0.11},  {3500, 18, 7, 200, kSmallFonts, 0.11},
        {5999, 18, 7, 200, kSmallFonts, 0.11},  {6000, 24, 10, 300, kSansSerif, 0.12},
        {8499, 24, 10, 300, kSansSerif, 0.12},  {8500, 48, 18, 450, kSansSerif, 0.12},
        {12299, 48, 18, 450, kSansSerif, 0.12}, {12300, 96, 24, 500, kSansSerif, 0.12},
    };
    for (const Row& row : rows) {
        const LayoutControls c = laidOut(sized(row.width));
        EXPECT_EQ(c.alarmTimePoints, row.big) << row.width;
        EXPECT_EQ(c.systemTimePoints, row.big);
        EXPECT_EQ(c.labelPoints, row.big - 2) << "the heading is two points smaller";
        EXPECT_EQ(c.alarmCaption, (CaptionFont{row.family, row.caption})) << row.width;
        EXPECT_EQ(c.systemCaption, c.alarmCaption);
        EXPECT_EQ(c.frameDisplay.height, 4000 - row.margin);
        const double w = row.width - 100 - 205;
        EXPECT_EQ(c.lblAlarm.width, std::nearbyint(w * row.share)) << row.width;
    }
    // The client width is rounded, halves to even, before its band is chosen.
    EXPECT_EQ(laidOut(sized(2499.5)).alarmTimePoints, 12) << "2499.5 rounds to 2500";
    EXPECT_EQ(laidOut(sized(2498.5)).alarmTimePoints, 10) << "2498.5 rounds to 2498";
}

TEST(Layout, FullLayoutGeometry) {
    const LayoutControls c = laidOut(sized(5280, 4290));
    EXPECT_EQ(c.frameDisplay, (TwipsRect{50, 0, 5180, 4090}));
    const double fifth = 4090.0 / 5;
    EXPECT_EQ(c.lblAlarmTime, (TwipsRect{90, 225, 4975, fifth})) << "its left and top never change";
    EXPECT_EQ(c.lblLabel, (TwipsRect{105, 2 * fifth, 4975, fifth}));
    EXPECT_EQ(c.lblSystemTime, (TwipsRect{105, 3 * fifth, 4975, fifth}));
    EXPECT_EQ(c.txtURL, (TwipsRect{75, 3826, 4545, 228}));
    EXPECT_EQ(c.cmdGo, (TwipsRect{4605, 3826, 598, 228}));
    const float captionWidth = std::nearbyint(4975 * 0.11f);
    const float captionLeft = std::nearbyint(4975 - captionWidth);
    EXPECT_EQ(c.lblAlarm, (TwipsRect{captionLeft, 225 + fifth * 0.18, captionWidth, fifth - 20}));
    EXPECT_EQ(c.lblSystem,
              (TwipsRect{captionLeft, 3 * fifth + fifth * 0.18, captionWidth, fifth - 20}));
}

TEST(Layout, ExactlyThreeHundredTakesTheFullLayoutBelowItTheNarrowOne) {
    const LayoutControls full = laidOut(sized(300));
    EXPECT_EQ(full.frameDisplay.left, 50);
    EXPECT_EQ(full.alarmTimePoints, 10);

    LayoutWindow narrowWindow = sized(299.9);
    narrowWindow.outerWidth = 1000;
    const LayoutControls narrow = laidOut(narrowWindow);
    const LayoutControls design = designedLayout();
    EXPECT_EQ(narrow.frameDisplay, (TwipsRect{0, 0, 820, design.frameDisplay.height}));
    EXPECT_EQ(narrow.lblAlarmTime.width, 640);
    EXPECT_EQ(narrow.lblSystemTime.width, 640);
    EXPECT_EQ(narrow.lblAlarm.left, 640 - 525);
    EXPECT_EQ(narrow.lblSystem.left, 640 - 525);
    EXPECT_EQ(narrow.alarmTimePoints, design.alarmTimePoints) << "fonts are kept";
    EXPECT_EQ(narrow.alarmCaption, design.alarmCaption);
    EXPECT_EQ(narrow.txtURL, design.txtURL) << "the link row is left alone";
    EXPECT_EQ(narrow.lblLabel, design.lblLabel);
}

TEST(Layout, AMinimisedWindowChangesNothingAndAsksForARedraw) {
    LayoutWindow minimised = sized(5280);
    minimised.minimized = true;
    LayoutControls c = designedLayout();
    EXPECT_TRUE(resizeLayout(minimised, c));
    EXPECT_EQ(c, designedLayout());
    EXPECT_FALSE(resizeLayout(sized(5280), c));
}

TEST(Layout, AClientNoTallerThanTheMarginKeepsTheFrameHeight) {
    const LayoutControls c = laidOut(sized(5280, 200)); // band 3, margin 200
    const LayoutControls design = designedLayout();
    EXPECT_EQ(c.frameDisplay.height, design.frameDisplay.height);
    EXPECT_EQ(c.lblSystemTime.top, 3 * (design.frameDisplay.height / 5));
    EXPECT_EQ(c.txtURL.top, std::nearbyint(design.frameDisplay.height - 264));
}

TEST(Layout, ANarrowFrameLeavesTheLinkRowWidthAlone) {
    const LayoutControls design = designedLayout();
    // Frame width 625: neither the address box nor the button's left change; tops follow.
    LayoutControls c = laidOut(sized(725, 3000));
    EXPECT_EQ(c.frameDisplay.width, 625);
    EXPECT_EQ(c.txtURL.width, design.txtURL.width);
    EXPECT_EQ(c.cmdGo.left, design.cmdGo.left);
    EXPECT_EQ(c.txtURL.top, std::nearbyint(c.frameDisplay.height - 264));
    EXPECT_EQ(c.cmdGo.top, c.txtURL.top);
    // Frame width 630: the address box would get a negative width, which is skipped.
    c = laidOut(sized(730, 3000));
    EXPECT_EQ(c.txtURL.width, design.txtURL.width);
    EXPECT_EQ(c.cmdGo.left, 50 + 630 - 625);
}

TEST(Layout, ALowFrameSkipsNegativeCaptionHeights) {
    const LayoutControls design = designedLayout();
    LayoutControls c = laidOut(sized(5280, 290)); // frame height 90
    EXPECT_EQ(c.frameDisplay.height, 90);
    EXPECT_EQ(c.lblAlarm.height, design.lblAlarm.height);
    EXPECT_EQ(c.lblSystem.height, design.lblSystem.height);
    EXPECT_EQ(c.lblAlarm.width, std::nearbyint(4975 * 0.11)) << "the rest is still placed";
}

TEST(Layout, CaptionsKeepTheirPlaceWhileLabelsAreOff) {
    const LayoutControls design = designedLayout();
    const LayoutControls c = laidOut(sized(8000, 5000, false));
    EXPECT_EQ(c.lblAlarm, design.lblAlarm);
    EXPECT_EQ(c.lblSystem, design.lblSystem);
    EXPECT_EQ(c.alarmCaption, design.alarmCaption);
    EXPECT_EQ(c.alarmTimePoints, 24) << "the big lines are still laid out";
}
