#include "core/StoredText.h"

#include <gtest/gtest.h>

using namespace tempiro;

TEST(StoredText, BooleansAreTheWordsInAnyCaseOrNumbers) {
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    EXPECT_EQ(booleanFromText("True"), true);
    EXPECT_EQ(booleanFromText("FALSE"), false);
    EXPECT_EQ(booleanFromText(" tRuE "), true);
    EXPECT_EQ(booleanFromText("0"), false);
    EXPECT_EQ(booleanFromText("-1"), true);
    EXPECT_EQ(booleanFromText("2.5"), true);
    EXPECT_EQ(booleanFromText("maybe"), std::nullopt);
    EXPECT_EQ(booleanFromText(""), std::nullopt);
    EXPECT_EQ(booleanFromText("yes"), std::nullopt) << "unlike QVariant::toBool";
}

TEST(StoredText, IntegersRoundHalvesToEvenAndMustFitSixteenBits) {
    EXPECT_EQ(integerText(-12), "-12");
    EXPECT_EQ(integer16FromText("7.5"), 8);
    EXPECT_EQ(integer16FromText("6.5"), 6);
    EXPECT_EQ(integer16FromText("-6.5"), -6);
    EXPECT_EQ(integer16FromText(" 45 "), 45);
    EXPECT_EQ(integer16FromText("32767"), 32767);
    EXPECT_EQ(integer16FromText("-32768"), -32768);
    EXPECT_EQ(integer16FromText("32767.5"), std::nullopt);
    EXPECT_EQ(integer16FromText("32768"), std::nullopt);
    EXPECT_EQ(integer16FromText("-32769"), std::nullopt);
    EXPECT_EQ(integer16FromText("abc"), std::nullopt);
    EXPECT_EQ(integer16FromText("nan"), std::nullopt);
    EXPECT_EQ(integer16FromText(""), std::nullopt);
}

TEST(StoredText, SinglesAreWrittenInTheirShortestForm) {
    EXPECT_EQ(singleText(5280.0f), "5280");
    EXPECT_EQ(singleText(4815.5f), "4815.5");
    EXPECT_EQ(singleText(0.1f), "0.1");
    EXPECT_EQ(singleText(-300.0f), "-300");
    for (const float value : {0.1f, 1234.5677f, -3.0e7f, 16777216.0f})
        EXPECT_EQ(singleFromText(singleText(value)), value);
    EXPECT_EQ(singleFromText("1e39"), std::nullopt);
    EXPECT_EQ(singleFromText("wide"), std::nullopt);
}
