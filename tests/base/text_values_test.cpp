#include "engine/base/text_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using base::parseFloat;
using base::parseInteger;
using base::roundToInt;

TEST(TextValues, IntegersReadSignsBlanksAndStopAtOtherCharacters) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("-17"), -17);
    EXPECT_EQ(parseInteger("+8"), 8);
    EXPECT_EQ(parseInteger(" \t 12"), 12);
    EXPECT_EQ(parseInteger("12abc"), 12);
    EXPECT_EQ(parseInteger("12.9"), 12);
    EXPECT_EQ(parseInteger("abc"), 0);
    EXPECT_EQ(parseInteger(""), 0);
    EXPECT_EQ(parseInteger("-"), 0);
    EXPECT_EQ(parseInteger("- 5"), 0);
    EXPECT_EQ(parseInteger("\r5"), 0);
}

TEST(TextValues, IntegersWrapAtThirtyTwoBits) {
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseInteger("4294967296"), 0);
    EXPECT_EQ(parseInteger("4294967297"), 1);
    EXPECT_EQ(parseInteger("99999999999999999999999999"), -469762049);
    EXPECT_EQ(parseInteger("-99999999999999999999999999"), 469762049);
}

TEST(TextValues, LowByteKeepsTheLowEightBitsSigned) {
    EXPECT_EQ(base::lowByteSigned(300), 44);
    EXPECT_EQ(base::lowByteSigned(200), -56);
    EXPECT_EQ(base::lowByteSigned(-1), -1);
    EXPECT_EQ(base::lowByteSigned(256), 0);
    EXPECT_EQ(base::lowByteSigned(127), 127);
    EXPECT_EQ(base::lowByteSigned(128), -128);
}

TEST(TextValues, FloatsReadPlainDecimalsOnly) {
    EXPECT_FLOAT_EQ(parseFloat("12.6"), 12.6f);
    EXPECT_FLOAT_EQ(parseFloat(" -3.5x"), -3.5f);
    EXPECT_FLOAT_EQ(parseFloat("\t.25"), 0.25f);
    EXPECT_FLOAT_EQ(parseFloat("1e3"), 1000.0f);
    EXPECT_FLOAT_EQ(parseFloat("7"), 7.0f);
    EXPECT_EQ(parseFloat("abc"), 0.0f);
    EXPECT_EQ(parseFloat(""), 0.0f);
    EXPECT_EQ(parseFloat("."), 0.0f);
    EXPECT_EQ(parseFloat("0x1p4"), 0.0f);
    EXPECT_EQ(parseFloat("inf"), 0.0f);
    EXPECT_EQ(parseFloat("-infinity"), 0.0f);
    EXPECT_EQ(parseFloat("nan"), 0.0f);
    // A line longer than any real number still reads its number.
    EXPECT_FLOAT_EQ(parseFloat("1.5" + std::string(300, '0')), 1.5f);
}

TEST(TextValues, RoundingTiesToEvenAndSaturates) {
    EXPECT_EQ(roundToInt(12.5), 12);
    EXPECT_EQ(roundToInt(13.5), 14);
    EXPECT_EQ(roundToInt(-0.5), 0);
    EXPECT_EQ(roundToInt(-1.5), -2);
    EXPECT_EQ(roundToInt(12.6), 13);
    EXPECT_EQ(roundToInt(-12.4), -12);
    EXPECT_EQ(roundToInt(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(roundToInt(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(roundToInt(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(roundToInt(std::nan("")), 0);
    EXPECT_EQ(roundToInt(2.5f), 2);
    EXPECT_EQ(roundToInt(-7.5f), -8);
    EXPECT_EQ(roundToInt(1e20f), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
