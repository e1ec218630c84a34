#include "core/StoredText.h"

#include <gtest/gtest.h>

using namespace tempiro::stored;

TEST(StoredText, BooleansAreTheWordsInAnyCaseOrNumbers) {
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    EXPECT_EQ(toBoolean("True"), true);
    EXPECT_EQ(toBoolean("FALSE"), false);
    EXPECT_EQ(toBoolean(" tRuE "), true);
    EXPECT_EQ(toBoolean("0"), false);
    EXPECT_EQ(toBoolean("-1"), true);
    EXPECT_EQ(toBoolean("2.5"), true);
    EXPECT_EQ(toBoolean("maybe"), std::nullopt);
    EXPECT_EQ(toBoolean(""), std::nullopt);
    EXPECT_EQ(toBoolean("yes"), std::nullopt) << "unlike QVariant::toBool";
}

TEST(StoredText, IntegersRoundHalvesToEvenAndMustFitSixteenBits) {
    EXPECT_EQ(integerText(-12), "-12");
    EXPECT_EQ(toInteger16("7.5"), 8);
    EXPECT_EQ(toInteger16("6.5"), 6);
    EXPECT_EQ(toInteger16("-6.5"), -6);
    EXPECT_EQ(toInteger16(" 45 "), 45);
    EXPECT_EQ(toInteger16("32767"), 32767);
    EXPECT_EQ(toInteger16("-32768"), -32768);
    EXPECT_EQ(toInteger16("32767.5"), std::nullopt);
    EXPECT_EQ(toInteger16("32768"), std::nullopt);
    EXPECT_EQ(toInteger16("-32769"), std::nullopt);
    EXPECT_EQ(toInteger16("abc"), std::nullopt);
    EXPECT_EQ(toInteger16("nan"), std::nullopt);
    EXPECT_EQ(toInteger16(""), std::nullopt);
}

TEST(StoredText, SinglesAreWrittenInTheirShortestForm) {
    EXPECT_EQ(singleText(5280.0f), "5280");
    EXPECT_EQ(singleText(4815.5f), "4815.5");
    EXPECT_EQ(singleText(0.1f), "0.1");
    EXPECT_EQ(singleText(-300.0f), "-300");
    for (const float value : {0.1f, 1234.5677f, -3.0e7f, 16777216.0f})
        EXPECT_EQ(toSingle(singleText(value)), value);
    EXPECT_EQ(toSingle("1e39"), std::nullopt);
    EXPECT_EQ(toSingle("wide"), std::nullopt);
}
