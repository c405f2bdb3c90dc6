#include "core/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orbweave {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("  -3.25e2 units"), -325.0);
    EXPECT_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
}

TEST(LeadingNumber, IsZeroWithoutADigit) {
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("inf"), 0.0);
    EXPECT_EQ(LeadingNumber("1e400"), 0.0);  // beyond the double range
}

TEST(TryLeadingNumber, TellsANumberBeyondTheDoubleRangeFromNone) {
    EXPECT_EQ(TryLeadingNumber("1e400"), std::nullopt);
    EXPECT_EQ(TryLeadingNumber(" -9e999x"), std::nullopt);
    EXPECT_EQ(TryLeadingNumber("abc"), 0.0);
    EXPECT_EQ(TryLeadingNumber("1e-400"), 0.0);  // too small to matter, not a failure
    EXPECT_EQ(TryLeadingNumber("12abc"), 12.0);
}

TEST(LeadingNumber, IgnoresAnExponentWithoutDigits) {
    EXPECT_EQ(LeadingNumber("5e"), 5.0);
    EXPECT_EQ(LeadingNumber("5e+x"), 5.0);
}

TEST(IsNumericText, RejectsEverythingElse) {
    for (const char* text : {"", "   ", "abc", "12abc", "1 2", "inf", "nan", "0x1A", "&H1A", "1e", "--1", ".", "1,5"}) {
        EXPECT_FALSE(IsNumericText(text)) << text;
    }
}

TEST(TextToInt16, RoundsHalvesToEvenOrTakesTheFloor) {
    EXPECT_EQ(TextToInt16("2.5"), 2);
    EXPECT_EQ(TextToInt16("3.5"), 4);
    EXPECT_EQ(TextToInt16("-2.5"), -2);
    EXPECT_EQ(TextToInt16("3.9", Rounding::Floor), 3);
    EXPECT_EQ(TextToInt16("-0.5", Rounding::Floor), -1);
}

TEST(TextToInt16, FailsOutsideTheRangeOrOnText) {
    EXPECT_EQ(TextToInt16("32767"), 32767);
    EXPECT_EQ(TextToInt16("-32768"), -32768);
    EXPECT_FALSE(TextToInt16("40000"));
    EXPECT_FALSE(TextToInt16("32767.5"));  // rounds to 32768
    EXPECT_EQ(TextToInt16("32767.5", Rounding::Floor), 32767);
    EXPECT_FALSE(TextToInt16("12abc"));
    EXPECT_FALSE(TextToInt16(""));
}

TEST(TextToInt32, CoversTheWholeRange) {
    EXPECT_EQ(TextToInt32("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(TextToInt32("2147483648"));
    EXPECT_FALSE(TextToInt32("1e400"));
}

TEST(TextToDouble, TreatsUnderflowAsZeroAndOverflowAsFailure) {
    EXPECT_EQ(TextToDouble("1e-400"), 0.0);
    EXPECT_EQ(TextToDouble("-0.0000e-99999999999999999999"), 0.0);
    EXPECT_FALSE(TextToDouble("1e400"));
    EXPECT_FALSE(TextToDouble("1e9223372036854775807"));
    EXPECT_FALSE(TextToDouble("1e99999999999999999999"));
}

TEST(TextToSingle, FailsBeyondTheSingleRange) {
    EXPECT_EQ(TextToSingle("0.985"), 0.985f);
    EXPECT_FALSE(TextToSingle("1e39"));
    EXPECT_EQ(TextToSingle("1e-50"), 0.0f);
}

TEST(ToInteger, RefusesValuesThatAreNotFiniteOrDoNotFit) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ToInt16(std::nan("")));
    EXPECT_FALSE(ToInt32(kInfinity));
    EXPECT_FALSE(ToInt64(-kInfinity));
    EXPECT_FALSE(ToInt32(2147483647.5));
    EXPECT_EQ(ToInt32(-2147483648.4), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(ToInt64(9223372036854775808.0));
    EXPECT_FALSE(ToInt16(-32769.0));
    EXPECT_FALSE(ToSingle(1e39));
    EXPECT_FALSE(ToSingle(std::nan("")));
}

TEST(Trim, RemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(NumberToText, PrintsTheShortestFormWithoutExponent) {
    EXPECT_EQ(NumberToText(0.985), "0.985");
    EXPECT_EQ(NumberToText(0.985f), "0.985");
    EXPECT_EQ(NumberToText(1.0), "1");
    EXPECT_EQ(NumberToText(18000.0), "18000");
    EXPECT_EQ(NumberToText(-0.5), "-0.5");
    EXPECT_EQ(NumberToText(0.0001), "0.0001");
    EXPECT_EQ(NumberToText(1e-7), "0.0000001");
    EXPECT_EQ(NumberToText(1e20), "100000000000000000000");
    EXPECT_EQ(NumberToText(-0.0), "0");
}

TEST(NumberToText, KeepsAtMostSevenSignificantDigits) {
    EXPECT_EQ(NumberToText(1.0 / 3.0), "0.3333333");
    EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberToText(123456789.0), "123456800");
    EXPECT_EQ(NumberToText(9999999.5), "10000000");
}

TEST(NumberToText, PrintsEveryDigitOfWholeNumbers) {
    EXPECT_EQ(NumberToText(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(NumberToText(std::int16_t{-32768}), "-32768");
}

TEST(NumberToText, HasNoTextForNonFiniteValues) {
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(NumberToText(std::nan("")), "");
}

TEST(GetCSVField, ReturnsTheTrimmedField) {
    EXPECT_EQ(GetCSVField(" a , b , c ", 0), "a");
    EXPECT_EQ(GetCSVField(" a , b , c ", 1), "b");
    EXPECT_EQ(GetCSVField(" a , b , c ", 2), "c");
    EXPECT_EQ(GetCSVField("1,,3,", 1), "");
}

TEST(GetCSVField, WrapsPastTheLastField) {
    // Three fields: index 3 is empty, then the fields start again.
    EXPECT_EQ(GetCSVField("a,b,c", 3), "");
    EXPECT_EQ(GetCSVField("a,b,c", 4), "a");
    EXPECT_EQ(GetCSVField("a,b,c", 6), "c");
    EXPECT_EQ(GetCSVField("", 0), "");
    EXPECT_EQ(GetCSVField("", 5), "");
}

TEST(Clamp, KeepsValuesInsideTheRange) {
    EXPECT_EQ(ClampLng(-1, 0, 9), 0);
    EXPECT_EQ(ClampLng(12, 0, 9), 9);
    EXPECT_EQ(ClampLng(4, 0, 9), 4);
    EXPECT_EQ(ClampSng(9.5f, 0.0f, 9.0f), 9.0f);
    EXPECT_EQ(ClampInt(-32768, -5, 5), -5);
}

TEST(Clamp, WithLowAboveHighGivesLowBelowLowAndHighOtherwise) {
    EXPECT_EQ(ClampInt(5, 10, 3), 10);
    EXPECT_EQ(ClampInt(12, 10, 3), 3);
    EXPECT_EQ(ClampInt(7, 10, 3), 10);
    EXPECT_EQ(ClampSng(2.0f, 10.0f, 3.0f), 10.0f);
    EXPECT_EQ(ClampLng(11, 10, 3), 3);
}

}  // namespace
}  // namespace orbweave
