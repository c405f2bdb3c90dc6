#include "renderer/universe/tour.h"

#include <cmath>

#include "core/convert.h"

namespace orbweave {

namespace {

constexpr double kLastGalaxyNumber = 66.0;

void TakeToken(TourList& tourList, std::string_view token) {
    if (tourList.TourCount >= kTourCapacity) return;
    const auto value = TextToDouble(token);
    if (!value || *value <= 0.0 || *value > kLastGalaxyNumber) return;
    // 0.3 passes the range test but rounds to 0, which names no galaxy.
    const double number = std::nearbyint(*value);
    if (number < 1.0) return;
    tourList.TourSequence[tourList.TourCount] = NumberToText(static_cast<std::int16_t>(number) - 1);
    ++tourList.TourCount;
}

}  // namespace

TourList ParseTourSequence(std::string_view text) {
    TourList tourList;
    const std::string trimmed = Trim(text);
    std::string_view rest(trimmed);
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        TakeToken(tourList, rest.substr(0, blank));
        if (blank == std::string_view::npos) break;
        rest.remove_prefix(blank + 1);
    }
    return tourList;
}

}  // namespace orbweave
