#include "settings/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/convert.h"

namespace orbweave {
namespace {

// Fixed notation of the largest double needs 309 digits before the point.
constexpr std::size_t kFixedTextCapacity = 330;

template <typename Number>
std::string FixedShortest(Number value) {
    if (!std::isfinite(value)) return {};
    // Adding zero turns a negative zero into zero.
    value = value + Number{0};
    std::array<char, kFixedTextCapacity> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string ShortestText(double value) { return FixedShortest(value); }

std::string ShortestText(float value) {
    std::string text = FixedShortest(value);
    // The float's own shortest text is parsed as a double before it is
    // narrowed; should that ever land on the other float, the exact double
    // of the float reads back without doubt.
    if (!text.empty() && TextToSingle(text) != value) text = FixedShortest(static_cast<double>(value));
    return text;
}

}  // namespace orbweave
