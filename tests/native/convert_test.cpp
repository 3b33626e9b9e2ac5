#include "automation/Convert.h"

#include <gtest/gtest.h>

#include "automation/ScriptError.h"

using namespace ombrelt;

TEST(Convert, NumericTestAcceptsDecimalNumbersOnly) {
    for (const char* yes : {"7", "-7", "+2.5", " 3 ", ".5", "5.", "1e3", "1.5E-2"})
        EXPECT_TRUE(Convert::IsNumeric(yes)) << yes;
    for (const char* no : {"", " ", ".", "-", "7x", "x7", "1e", "0x10", "inf", "nan", "1 2"})
        EXPECT_FALSE(Convert::IsNumeric(no)) << no;
}

TEST(Convert, LeadingNumberReadsThePrefix) {
    EXPECT_EQ(Convert::LeadingNumber("12ab"), 12);
    EXPECT_EQ(Convert::LeadingNumber("abc"), 0);
    EXPECT_EQ(Convert::LeadingNumber("  -1.5e2x"), -150);
    EXPECT_EQ(Convert::LeadingNumber("3e"), 3);
}

TEST(Convert, RoundingIsHalfToEvenWithRangeFailures) {
    EXPECT_EQ(Convert::RoundToInt32(2.5), 2);
    EXPECT_EQ(Convert::RoundToInt32(3.5), 4);
    EXPECT_EQ(Convert::RoundToInt32(-2.5), -2);
    EXPECT_EQ(Convert::RoundToInt32(2.7), 3);
    EXPECT_EQ(Convert::RoundToInt16(12.5), 12);
    EXPECT_EQ(Convert::RoundToByte(65.5), 66);
    EXPECT_EQ(Convert::RoundToInt16(-32768.4), -32768);
    EXPECT_THROW(Convert::RoundToInt16(32767.5), ScriptError);  // rounds to 32768
    EXPECT_THROW(Convert::RoundToByte(256), ScriptError);
    EXPECT_THROW(Convert::RoundToByte(-0.6), ScriptError);
    EXPECT_EQ(Convert::RoundToByte(-0.5), 0);
    EXPECT_THROW(Convert::RoundToInt32(2147483647.5), ScriptError);
    EXPECT_EQ(Convert::RoundToInt32(-2147483648.0), INT32_MIN);
    EXPECT_THROW(Convert::ToInt16("abc"), ScriptError);
    EXPECT_THROW(Convert::ToInt32("99999999999"), ScriptError);
}

TEST(Convert, DoubleTextHasNoTrailingZerosAndFifteenDigits) {
    EXPECT_EQ(Convert::DoubleToText(125.0), "125");
    EXPECT_EQ(Convert::DoubleToText(5700.0 / 43.0), "132.558139534884");
    EXPECT_EQ(Convert::DoubleToText(99.609375), "99.609375");
    EXPECT_EQ(Convert::DoubleToText(-0.0), "0");
    EXPECT_EQ(Convert::DoubleToText(0.5), "0.5");
    EXPECT_EQ(Convert::DoubleToText(1e20), "1E+20");
    // What is written reads back.
    EXPECT_EQ(Convert::ToDouble(Convert::DoubleToText(0.1)), 0.1);
}
