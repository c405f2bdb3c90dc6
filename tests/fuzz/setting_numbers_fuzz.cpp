// Fuzzes the settings store's readers: the input is stored as one value of a
// temporary store and read back as text and as each number type. The text
// must come back whole with its spaces trimmed; each number must agree with
// the reference reading of that text: the reader's default for a text that
// is not a number, 0 for a number beyond the type's range, otherwise the
// 16-bit reader's floor, the 32-bit reader's nearest (halves to even) and the
// single-precision value of the double.
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "reference_number.h"

namespace {

using orbweave::fuzz::Check;

constexpr std::string_view kSection = "Fuzz";
constexpr std::string_view kKey = "Value";
// Defaults that no in-range zero could be mistaken for.
constexpr std::int16_t kIntegerDefault = -7;
constexpr std::int32_t kLongDefault = 123457;
constexpr float kSingleDefault = -2.5F;

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

template <typename Int>
Int WholeOrZero(double whole) {
    return whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max() ? Int{0}
                                                                                              : static_cast<Int>(whole);
}

// The readers against the reference reading of the stored text.
void CheckNumbers(const std::string& stored) {
    const std::int16_t integer = orbweave::GetSettingInteger(kSection, kKey, kIntegerDefault);
    const std::int32_t longValue = orbweave::GetSettingLong(kSection, kKey, kLongDefault);
    const float single = orbweave::GetSettingSingle(kSection, kKey, kSingleDefault);
    if (stored.size() > orbweave::fuzz::kReferenceTextLimit) return;

    if (!orbweave::fuzz::IsReferenceNumber(stored)) {
        Check(integer == kIntegerDefault && longValue == kLongDefault && single == kSingleDefault,
              "a text that is not a number reads as the default");
        return;
    }
    const auto start = stored.find_first_not_of(" \t");
    const auto value =
        orbweave::fuzz::ReferenceValue(*orbweave::fuzz::NumberPrefix(std::string_view(stored).substr(start)));
    if (!value) {
        Check(integer == 0 && longValue == 0 && single == 0.0F, "a number beyond a double reads as 0");
        return;
    }
    Check(integer == WholeOrZero<std::int16_t>(std::floor(*value)), "16-bit: the floor, or 0 beyond the range");
    Check(longValue == WholeOrZero<std::int32_t>(std::nearbyint(*value)),
          "32-bit: the nearest, halves to even, or 0 beyond the range");
    const float expected = std::fabs(*value) > std::numeric_limits<float>::max() ? 0.0F : static_cast<float>(*value);
    Check(single == expected, "single: the double's value, or 0 beyond the range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One temporary store for the whole run, removed when the process ends.
    static const orbweave::testing::ScopedConfig config;
    const std::string_view input = orbweave::fuzz::AsText(data, size);
    Check(orbweave::SaveSettingValue(kSection, kKey, input), "a value of any text is stored");
    const std::string stored = TrimSpaces(input);
    Check(orbweave::GetSettingString(kSection, kKey) == stored, "the text comes back whole, spaces trimmed");
    CheckNumbers(stored);
    return 0;
}
