#include "reference_number.h"

#include <locale.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace orbweave::fuzz {
namespace {

// Greedy at every step, so the first match is also the longest.
const std::regex& NumberPattern() {
    static const std::regex pattern(R"([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return pattern;
}

std::string_view WithoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> NumberPrefix(std::string_view text) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(text.begin(), text.end(), match, NumberPattern(), std::regex_constants::match_continuous)) {
        return std::nullopt;
    }
    return match.str();
}

bool IsReferenceNumber(std::string_view text) {
    const std::string_view number = WithoutBlanks(text);
    return std::regex_match(number.begin(), number.end(), NumberPattern());
}

std::optional<double> ReferenceValue(const std::string& number) {
    static const locale_t c_locale = ::newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    const double value = ::strtod_l(number.c_str(), nullptr, c_locale);
    // strtod gives an infinity on overflow and a subnormal or zero on underflow.
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<double> ReferenceLeadingNumber(std::string_view text) {
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0.0;
    const auto number = NumberPrefix(text.substr(start));
    if (!number) return 0.0;
    return ReferenceValue(*number);
}

}  // namespace orbweave::fuzz
