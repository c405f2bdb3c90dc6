// Fuzzes the point-text parser: field k of any text is the leading number of
// its five characters (the reference reading; 0 when they hold none or are
// missing), rounded halves to even, and a number beyond 16 bits leaves the
// field as it was. The values then go through FormatPointText and back: when
// every value fits five characters the text is 36 long and reads back the same.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "fuzz_check.h"
#include "reference_number.h"
#include "settings/point_text.h"

namespace {

using orbweave::PointValues;
using orbweave::fuzz::Check;

constexpr std::size_t kFieldWidth = 5;
constexpr std::size_t kPointTextLength = 1 + kFieldWidth * orbweave::kPointTextFields;
constexpr std::int16_t kWidestFitting = -9999;
// The values before a parse, so that a field left as it was shows.
constexpr PointValues kBefore = {-1111, 2222, -3333, 4444, -5555, 6666, -7777};

std::int16_t ExpectedField(std::string_view text, std::size_t k, std::int16_t before) {
    const std::size_t start = 1 + k * kFieldWidth;
    const std::string_view field = start < text.size() ? text.substr(start, kFieldWidth) : std::string_view{};
    const auto value = orbweave::fuzz::ReferenceLeadingNumber(field);
    if (!value) return before;
    const double whole = std::nearbyint(*value);
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
        return before;
    }
    return static_cast<std::int16_t>(whole);
}

void CheckRoundTrip(const PointValues& values) {
    const std::string text = orbweave::FormatPointText(values);
    if (std::any_of(values.begin(), values.end(), [](std::int16_t v) { return v < kWidestFitting; })) return;
    Check(text.size() == kPointTextLength && text.front() == '*', "a point text is '*' and seven 5-character fields");
    PointValues read{};
    orbweave::ParsePointText(text, read);
    Check(read == values, "a written point text reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = orbweave::fuzz::AsText(data, size);
    PointValues values = kBefore;
    orbweave::ParsePointText(text, values);
    for (std::size_t k = 0; k < values.size(); ++k) {
        Check(values[k] == ExpectedField(text, k, kBefore[k]), "a field is its rounded leading number");
    }
    CheckRoundTrip(values);
    return 0;
}
