#include "settings/point_text.h"

#include "core/convert.h"

namespace orbweave {
namespace {

constexpr char kPointTextMark = '*';
constexpr std::size_t kFieldWidth = 5;

}  // namespace

std::string FormatPointText(const PointValues& values) {
    std::string text(1, kPointTextMark);
    for (std::int16_t v : values) {
        const std::string number = NumberToText(v);
        if (number.size() < kFieldWidth) text.append(kFieldWidth - number.size(), ' ');
        text += number;
    }
    return text;
}

void ParsePointText(std::string_view text, PointValues& values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        const std::size_t start = 1 + k * kFieldWidth;
        const std::string_view field = start < text.size() ? text.substr(start, kFieldWidth) : std::string_view{};
        // A number too large even for a double is out of range as well.
        const auto number = TryLeadingNumber(field);
        if (auto v = number ? ToInt16(*number) : std::nullopt) values[k] = *v;
    }
}

}  // namespace orbweave
