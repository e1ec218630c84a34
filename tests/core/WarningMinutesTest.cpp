#include "core/WarningMinutes.h"

#include <gtest/gtest.h>

using namespace tempiro;

TEST(WarningMinutes, TheLeadingNumberRoundedHalvesToEven) {
    EXPECT_EQ(minutesFromText("7.5"), 8);
    EXPECT_EQ(minutesFromText("6.5"), 6);
    EXPECT_EQ(minutesFromText("10"), 10);
    EXPECT_EQ(minutesFromText(" 1 2 "), 12) << "blanks anywhere are ignored";
    EXPECT_EQ(minutesFromText("15 minutes"), 15);
    EXPECT_EQ(minutesFromText("-3"), -3);
    EXPECT_EQ(minutesFromText("0"), 0);
    EXPECT_EQ(minutesFromText("2.5.9"), 2);
}

TEST(WarningMinutes, NoLeadingNumberCountsAsZero) {
    EXPECT_EQ(minutesFromText("abc"), 0);
    EXPECT_EQ(minutesFromText(""), 0);
    EXPECT_EQ(minutesFromText("-"), 0);
    EXPECT_EQ(minutesFromText("x5"), 0);
}

TEST(WarningMinutes, ANumberBeyondSixteenBitsIsRefused) {
    EXPECT_EQ(minutesFromText("32767"), 32767);
    EXPECT_EQ(minutesFromText("-32768"), -32768);
    EXPECT_EQ(minutesFromText("99999"), std::nullopt);
    EXPECT_EQ(minutesFromText("-40000"), std::nullopt);
    EXPECT_EQ(minutesFromText("32767.5"), std::nullopt);
}
