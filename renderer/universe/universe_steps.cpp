#include "renderer/universe/universe_steps.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/convert.h"
#include "core/random.h"
#include "renderer/galaxy/precision.h"
#include "settings/galaxy_tables.h"
#include "settings/overloaded.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr double kTinyDistance = static_cast<double>(0.000000001f);
constexpr std::int16_t kProfileRandom = 50;
constexpr std::int16_t kProfileInTurn = 51;

float RoundedClamp(float value, double lo, double hi) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    return Single(std::clamp(rounded, lo, hi));
}

// A loaded value into its run range, in its own type; switches need none.
void ClampForRun(UniverseSettings& u, const UniverseValue& v) {
    using U = UniverseSettings;
    const RunRule& r = v.run;
    if (r.clamp == RunClamp::None) return;
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](std::int32_t U::*f) {
                       u.*f = ClampLng(u.*f, static_cast<std::int32_t>(r.low), static_cast<std::int32_t>(r.high));
                   },
                   [&](std::int16_t U::*f) {
                       u.*f = ClampInt(u.*f, static_cast<std::int16_t>(r.low), static_cast<std::int16_t>(r.high));
                   },
                   [&](float U::*f) {
                       u.*f = r.clamp == RunClamp::RoundedFirst
                                  ? RoundedClamp(u.*f, r.low, r.high)
                                  : ClampSng(u.*f, static_cast<float>(r.low), static_cast<float>(r.high));
                   },
                   [](bool U::*) {},
               },
               v.field);
}

// Stored values are in thousandths, percent, hundredths and ten-millionths of
// what a frame uses.
void ToRunUnits(UniverseSettings& u, const UniverseValue& v) {
    if (v.run.unit == 1) return;
    if (const auto* f = std::get_if<float UniverseSettings::*>(&v.field)) u.*(*f) = Single(u.*(*f) * v.run.unit);
}

}  // namespace

void ClampUniverseSettings(UniverseSettings& u) {
    for (const UniverseValue& v : kUniverseValues) ClampForRun(u, v);
    for (const UniverseValue& v : kUniverseBlendLevels) ClampForRun(u, v);
    // The damping becomes the share of its speed a star keeps each frame.
    u.Universe_Damping = Single((1.0 - u.Universe_Damping) * 0.5 + 0.5);
    for (const UniverseValue& v : kUniverseValues) ToRunUnits(u, v);
}

std::int16_t ChooseEpochProfile(const UniverseSettings& u, std::int16_t previous) {
    const std::int16_t chosen = u.Universe_Profile;
    if (chosen == kProfileRandom) return static_cast<std::int16_t>(RandomFraction() * kGalaxyTypeCount);
    if (chosen == kProfileInTurn) return static_cast<std::int16_t>((previous + 1) % kGalaxyTypeCount);
    return IsGalaxyType(chosen) ? chosen : std::int16_t{0};
}

void ApplyGalaxyGravity(const UniverseSettings& u, GalaxyTable& galaxies, std::int16_t& gravCounter) {
    const std::int16_t every = std::max<std::int16_t>(u.Universe_GravFrame, 1);
    gravCounter = static_cast<std::int16_t>((gravCounter + 1) % every);
    const double force = u.Universe_GravForce;
    const std::int32_t n = galaxies.Count();
    float* gx = galaxies.GalX.data();
    float* gy = galaxies.GalY.data();
    float* gz = galaxies.GalZ.data();
    for (std::int32_t i = 0; i < n; ++i) {
        if (gravCounter == 0) {
            const double xi = gx[i], yi = gy[i], zi = gz[i];
            float vx = galaxies.GalVX[i], vy = galaxies.GalVY[i], vz = galaxies.GalVZ[i];
            for (std::int32_t j = 0; j < n; ++j) {
                if (j == i) continue;
                const double dx = gx[j] - xi, dy = gy[j] - yi, dz = gz[j] - zi;
                const double f = force / (dx * dx + dy * dy + dz * dz + kTinyDistance);
                vx = Single(vx + dx * f);
                vy = Single(vy + dy * f);
                vz = Single(vz + dz * f);
            }
            galaxies.GalVX[i] = vx;
            galaxies.GalVY[i] = vy;
            galaxies.GalVZ[i] = vz;
        }
        gx[i] = Single(static_cast<double>(gx[i]) + galaxies.GalVX[i]);
        gy[i] = Single(static_cast<double>(gy[i]) + galaxies.GalVY[i]);
        gz[i] = Single(static_cast<double>(gz[i]) + galaxies.GalVZ[i]);
    }
}

}  // namespace orbweave
