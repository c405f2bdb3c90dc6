#include "renderer/galaxy/transition_blend.h"

#include <cmath>

#include "core/convert.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/star_generators.h"

namespace orbweave {
namespace {

constexpr double kPi = 3.14159265358979;

std::int16_t RoundedRate(double value) { return ToInt16(value).value_or(0); }

}  // namespace

TransitionBlend GetTransitionBlend(const RunContext& run, std::span<const std::int16_t> galTypes,
                                   const TourFrame& tour) {
    const std::int16_t g = tour.tourGalaxy;
    const std::int16_t step = tour.tourStep;
    TransitionBlend blend;
    blend.mix = Single((std::cos(static_cast<double>(tour.tourPhase) * kPi) + 1.0) * 0.5);
    const UniverseSettings& u = run.universe;
    const double travelLevel = u.DX_BlendUniTravel;
    const double travelRate = u.Universe_NewFreq;
    auto own = [&](const UniGalaxy& type) {
        blend.level = type.Galaxy_DX_Blend;
        blend.newRate = type.Galaxy_NewFreq;
        return blend;
    };
    // Easing between the travel values and a galaxy's own by weight w.
    auto ease = [&](const UniGalaxy& type, double w) {
        blend.level = Single((type.Galaxy_DX_Blend - travelLevel) * w + travelLevel);
        blend.newRate = RoundedRate((type.Galaxy_NewFreq - travelRate) * w + travelRate);
        return blend;
    };

    if (tour.show == kShowGalaxyType) {
        const bool listed = g >= 0 && static_cast<std::size_t>(g) < galTypes.size();
        const std::int16_t type = listed ? galTypes[static_cast<std::size_t>(g)] : std::int16_t{0};
        return own(run.types[IsGalaxyType(type) ? type : 0]);
    }
    if (step == 1 && g >= 1) {
        return ease(run.types[ResolveGalaxyType(galTypes, static_cast<std::int16_t>(g - 1))], blend.mix);
    }
    if (step > u.Universe_GPCtrl && tour.tourActive) {
        const UniGalaxy& type = run.types[ResolveGalaxyType(galTypes, g)];
        if (step - u.Universe_GPCtrl == 1) return ease(type, 1.0 - blend.mix);
        return own(type);
    }
    blend.level = u.DX_BlendUniTravel;
    blend.newRate = u.Universe_NewFreq;
    return blend;
}

}  // namespace orbweave
