// An independent reading of the decimal numbers that settings, dialog boxes
// and the command line hold, for checking the converters of core/convert.h: a
// regular expression finds the number and the C library's strtod (in the "C"
// locale) gives its value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbweave::fuzz {

// Texts longer than this are not read: the regular-expression engine recurses
// once per character.
inline constexpr std::size_t kReferenceTextLimit = 256;

// The decimal number (sign, digits with at most one '.', exponent) at the very
// start of text, or nothing when the text does not start with one.
std::optional<std::string> NumberPrefix(std::string_view text);

// Whether the whole text, spaces and tabs around it allowed, is one number.
bool IsReferenceNumber(std::string_view text);

// The value of a number found by NumberPrefix: nothing when it is beyond the
// double range; a value too small for a double reads as zero.
std::optional<double> ReferenceValue(const std::string& number);

// The number at the start of text after spaces and tabs: 0 when there is none,
// nothing when it is beyond the double range.
std::optional<double> ReferenceLeadingNumber(std::string_view text);

}  // namespace orbweave::fuzz
