#include "core/convert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orbweave {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the decimal number (sign, digits, one '.', optional exponent) at
// the start of text, or 0 when there is no digit before the exponent.
std::size_t ScanNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// For an unsigned scanned number that a double cannot hold: whether it lies
// below 1 (an underflow) rather than above the range (an overflow).
bool IsTiny(std::string_view number) {
    const auto ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    long long exponent = 0;
    if (ePos != std::string_view::npos) {
        std::string_view exponentText = number.substr(ePos + 1);
        if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
        const auto error = std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent).ec;
        if (error == std::errc::result_out_of_range) return exponentText.front() == '-';
    }
    // Any exponent this far out decides alone, and the sum below cannot overflow.
    constexpr long long kDecisiveExponent = 1'000'000'000;
    if (exponent > kDecisiveExponent) return false;
    if (exponent < -kDecisiveExponent) return true;
    // Decimal magnitude of the mantissa: digits before the point from the
    // first non-zero one, or minus the zeros that follow the point.
    const auto point = mantissa.find('.');
    const auto integerPart = mantissa.substr(0, point);
    const auto firstNonZero = integerPart.find_first_not_of('0');
    long long magnitude = 0;
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<long long>(integerPart.size() - firstNonZero);
    } else if (point != std::string_view::npos) {
        const auto fraction = mantissa.substr(point + 1);
        const auto leading = fraction.find_first_not_of('0');
        magnitude = -static_cast<long long>(leading == std::string_view::npos ? fraction.size() : leading);
    }
    return magnitude + exponent <= 0;
}

// Converts a text already known to be a scanned number; empty when the value
// is beyond the double range.
std::optional<double> ParseScanned(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Underflow is a value too close to zero to matter, not a failure.
        if (IsTiny(number)) return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Rounds as asked; the result is finite only when the input was.
double RoundAs(double value, Rounding rounding) {
    return rounding == Rounding::Floor ? std::floor(value) : std::nearbyint(value);
}

template <typename Int>
std::optional<Int> ToIntegerType(double value, Rounding rounding) {
    if (!std::isfinite(value)) return std::nullopt;
    const double whole = RoundAs(value, rounding);
    // Both limits are exact in a double for 16- and 32-bit types; for 64 bits
    // the upper limit 2^63 itself does not fit, hence the strict comparison.
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double beyond = -lowest;
    if (whole < lowest || whole >= beyond) return std::nullopt;
    return static_cast<Int>(whole);
}

}  // namespace

double LeadingNumber(std::string_view text) { return TryLeadingNumber(text).value_or(0.0); }

std::optional<double> TryLeadingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const std::size_t length = ScanNumber(text);
    if (length == 0) return 0.0;
    return ParseScanned(text.substr(0, length));
}

bool IsNumericText(std::string_view text) {
    text = SkipBlanks(text);
    return !text.empty() && ScanNumber(text) == text.size();
}

std::optional<double> TextToDouble(std::string_view text) {
    if (!IsNumericText(text)) return std::nullopt;
    return ParseScanned(SkipBlanks(text));
}

std::optional<float> TextToSingle(std::string_view text) {
    const auto value = TextToDouble(text);
    return value ? ToSingle(*value) : std::nullopt;
}

std::optional<std::int16_t> TextToInt16(std::string_view text, Rounding rounding) {
    const auto value = TextToDouble(text);
    return value ? ToInt16(*value, rounding) : std::nullopt;
}

std::optional<std::int32_t> TextToInt32(std::string_view text, Rounding rounding) {
    const auto value = TextToDouble(text);
    return value ? ToInt32(*value, rounding) : std::nullopt;
}

std::optional<std::int16_t> ToInt16(double value, Rounding rounding) {
    return ToIntegerType<std::int16_t>(value, rounding);
}

std::optional<std::int32_t> ToInt32(double value, Rounding rounding) {
    return ToIntegerType<std::int32_t>(value, rounding);
}

std::optional<std::int64_t> ToInt64(double value, Rounding rounding) {
    return ToIntegerType<std::int64_t>(value, rounding);
}

std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(value);
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string NumberToText(double value) {
    if (!std::isfinite(value)) return {};
    constexpr int kSignificantDigits = 7;
    // Scientific form gives the rounded digits and the decimal exponent,
    // which are then laid out in plain positional notation.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    const bool negative = scientific.front() == '-';
    const auto ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos)) {
        if (IsDigit(c)) digits += c;
    }
    int exponent = 0;
    std::string_view exponentText = scientific.substr(ePos + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits == "0") return "0";

    // digits = d1 d2 ... dn meaning d1.d2...dn x 10^exponent.
    std::string text;
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        text = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
        text = digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
               digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return negative ? "-" + text : text;
}

std::string IntegerToText(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string GetCSVField(std::string_view text, int index) {
    // Field k runs from the k-th comma of the text with one comma appended to
    // the next. Once the last comma is passed the search starts again from the
    // beginning, so the fields repeat with a period of one more than the
    // number of fields, the extra position being an empty field.
    const std::string line = std::string(text) + ",";
    std::size_t commas = 0;
    for (char c : line) commas += c == ',' ? 1 : 0;
    const std::size_t period = commas + 1;
    const std::size_t position = index <= 0 ? 0 : static_cast<std::size_t>(index) % period;
    if (position == commas) return {};

    std::size_t start = 0;
    for (std::size_t k = 0; k < position; ++k) start = line.find(',', start) + 1;
    const std::size_t end = line.find(',', start);
    return Trim(std::string_view(line).substr(start, end - start));
}

}  // namespace orbweave
