// Text and number conversions, rounding, clamps and comparisons.
//
// Every setting is stored as text and every dialog box holds text, so these
// rules decide what the whole program reads and writes. They never depend on
// the C library locale (Qt sets it from the environment): parsing and printing
// go through std::from_chars / std::to_chars only.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbweave {

// How a fractional value becomes a whole number.
enum class Rounding {
    HalfEven,  // nearest whole number, halves to the even neighbour
    Floor,     // largest whole number not above the value
};

// --- Reading numbers -------------------------------------------------------

// The number at the start of a text, as a dialog box reads its contents:
// blanks are skipped, then an optional sign, digits with at most one '.', and
// an optional exponent; reading stops at the first other character. A text
// with no number (or one too large for a double) gives 0.
// "12abc" -> 12, ".5" -> 0.5, "abc" -> 0.
double LeadingNumber(std::string_view text);

// The same reading, but empty when the number is too large for a double, so
// that such a number can be told from a text that holds none (which gives 0).
std::optional<double> TryLeadingNumber(std::string_view text);

// True when the whole text, blanks around it allowed, is a decimal number:
// optional sign, digits with at most one '.', optional exponent. An empty
// text, "inf", "nan" and hexadecimal are not numeric.
bool IsNumericText(std::string_view text);

// Strict conversions: the text must be numeric (above) and the value must fit
// the target type, otherwise the result is empty.
std::optional<double> TextToDouble(std::string_view text);
std::optional<float> TextToSingle(std::string_view text);
std::optional<std::int16_t> TextToInt16(std::string_view text, Rounding rounding = Rounding::HalfEven);
std::optional<std::int32_t> TextToInt32(std::string_view text, Rounding rounding = Rounding::HalfEven);

// --- Safe floating-point to integer ---------------------------------------
// A value that is not finite, or does not fit once rounded, is a failed
// conversion: never undefined behaviour, never a wrapped result.

std::optional<std::int16_t> ToInt16(double value, Rounding rounding = Rounding::HalfEven);
std::optional<std::int32_t> ToInt32(double value, Rounding rounding = Rounding::HalfEven);
std::optional<std::int64_t> ToInt64(double value, Rounding rounding = Rounding::HalfEven);
// Single precision: fails when the value is not finite or beyond the float range.
std::optional<float> ToSingle(double value);

// --- Writing numbers and text ---------------------------------------------

// Removes spaces (only spaces) at both ends.
std::string Trim(std::string_view text);

// Shortest text of a floating-point value with at most 7 significant digits,
// never an exponent: 0.985 -> "0.985", 1.0 -> "1", 18000 -> "18000",
// 0.0001 -> "0.0001". Negative zero prints "0". A value that is not finite
// has no text form and gives "".
std::string NumberToText(double value);

// Whole numbers print every digit.
std::string IntegerToText(std::int64_t value);

template <std::integral T>
requires(!std::same_as<T, bool>) std::string NumberToText(T value) {
    return IntegerToText(static_cast<std::int64_t>(value));
}

// --- Comma-separated fields -----------------------------------------------

// The index-th (from 0) comma-separated field of a text, blanks around it
// removed. With n fields, index n gives "" and larger indexes count on from
// the first field again (index n + 1 + k gives field k). A negative index
// reads field 0.
std::string GetCSVField(std::string_view text, int index);

// --- Clamps ----------------------------------------------------------------
// Each works in its own type, without rounding. With lo > hi a value below
// lo gives lo and any other value gives hi.

constexpr std::int16_t ClampInt(std::int16_t v, std::int16_t lo, std::int16_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}
constexpr std::int32_t ClampLng(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}
constexpr float ClampSng(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace orbweave
