#include "renderer/universe/universe_steps.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/convert.h"
#include "core/random.h"
#include "renderer/galaxy/galaxy_cycle.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/projection.h"
#include "renderer/galaxy/shapes.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"
#include "settings/overloaded.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kTinyDistance = static_cast<double>(0.000000001f);
constexpr std::int32_t kNovaWhite = 0xFFFFFF;
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

std::int16_t RoundedRate(double value) { return ToInt16(value).value_or(0); }

const UniGalaxy& TypeOrFirst(std::int16_t type) { return UniGalaxies[IsGalaxyType(type) ? type : 0]; }

// Events of a reborn star: a pulsar, else a nova, else a new star, each
// with its type's probability per rebirth.
enum class BirthEvent { Pulsar, Nova, NewStar };

BirthEvent StartBirthEvent(StarTable& stars, std::int32_t s, const UniGalaxy& t) {
    const double r = RandomFraction();
    if (r < t.Run_PulsarFreqP) {
        stars.PulsarCountdown[s] = static_cast<std::int16_t>(t.Galaxy_PulsarCycles * t.Galaxy_PulsarFrames);
        stars.EventFrames[s] = t.Galaxy_PulsarFrames;
        return BirthEvent::Pulsar;
    }
    if (r < static_cast<double>(t.Run_PulsarFreqP) + t.Run_NovaFreqP) {
        stars.NovaCountdown[s] = t.Galaxy_NovaFrames;
        stars.EventFrames[s] = t.Galaxy_NovaFrames;
        stars.EventExt[s] = t.Run_NovaExtK;
        return BirthEvent::Nova;
    }
    stars.NewCountdown[s] = t.Galaxy_NewFrames;
    stars.EventFrames[s] = t.Galaxy_NewFrames;
    stars.EventExt[s] = t.Run_NewExtK;
    return BirthEvent::NewStar;
}

void DrawBirth(const StarTable& stars, std::int32_t s, const UniGalaxy& t, BirthEvent event, float relX, float relY,
               float relZ) {
    const int level = std::clamp<int>(stars.StarLevel[s], 0, kLevelCapacity - 1);
    const CameraPoint p = PlaceInCamera(stars.StarX[s], stars.StarY[s], stars.StarZ[s], t.Run_LevelCos[level],
                                        t.Run_LevelSin[level], t.Galaxy_AxisPlane, relX, relY, relZ);
    if (!(p.depth > 0)) return;
    if (event == BirthEvent::Nova) {
        PlotNovaStar(p.u, p.v, p.depth, stars.NovaCountdown[s], stars.EventFrames[s], stars.EventExt[s], kNovaWhite);
        return;
    }
    const int frames = t.Galaxy_NewFrames;
    if (frames <= 0 || frames >= kEventTableSize) return;
    const auto pixel = ProjectToScreen(p);
    if (!pixel) return;
    PlotNewStar(pixel->x, pixel->y, p.depth, stars.NewCountdown[s], stars.EventFrames[s], stars.EventExt[s],
                t.Run_NewColorRamp[frames]);
}

}  // namespace

void ClampUniverseSettings(UniverseSettings& u) {
    for (const UniverseValue& v : kUniverseValues) ClampForRun(u, v);
    for (const UniverseValue& v : kUniverseBlendLevels) ClampForRun(u, v);
    // The damping becomes the share of its speed a star keeps each frame.
    u.Universe_Damping = Single((1.0 - u.Universe_Damping) * 0.5 + 0.5);
    for (const UniverseValue& v : kUniverseValues) ToRunUnits(u, v);
}

std::int16_t ChooseEpochProfile(std::int16_t previous) {
    const std::int16_t chosen = Universe.Universe_Profile;
    if (chosen == kProfileRandom) return static_cast<std::int16_t>(RandomFraction() * kGalaxyTypeCount);
    if (chosen == kProfileInTurn) return static_cast<std::int16_t>((previous + 1) % kGalaxyTypeCount);
    return IsGalaxyType(chosen) ? chosen : std::int16_t{0};
}

std::int16_t PickCompositeMember(std::int16_t slot) {
    if (IsGalaxyType(slot)) return slot;
    const int composite = slot - kGalaxyTypeCount;
    if (!IsCompGalaxy(composite)) return 0;
    const CompGalaxy& comp = CompGalaxies[static_cast<std::size_t>(composite)];
    const int members = std::clamp<int>(comp.CompGal_Count, 0, kCompMemberCapacity);
    if (members == 0) return 0;
    const double r = std::floor(RandomFraction() * comp.Run_CumLevels[members - 1]);
    for (int j = 0; j < members; ++j) {
        if (r < comp.Run_CumLevels[j]) {
            const std::int16_t member = comp.CompGal_Type[j];
            return IsGalaxyType(member) ? member : 0;
        }
    }
    return 0;
}

std::int16_t GetTransitionBlend(std::span<const std::int16_t> galTypes, float& mix, float& level, std::int16_t g,
                                std::int16_t step, float t, bool tourActive, std::int16_t show) {
    mix = Single((std::cos(static_cast<double>(t) * kPi) + 1.0) * 0.5);
    const UniverseSettings& u = Universe;
    const double travelLevel = u.DX_BlendUniTravel;
    const double travelRate = u.Universe_NewFreq;

    if (show == kShowGalaxyType) {
        const bool listed = g >= 0 && static_cast<std::size_t>(g) < galTypes.size();
        const UniGalaxy& type = TypeOrFirst(listed ? galTypes[static_cast<std::size_t>(g)] : std::int16_t{0});
        level = type.Galaxy_DX_Blend;
        return type.Galaxy_NewFreq;
    }
    // Easing between the travel values and a galaxy's own by weight w.
    auto ease = [&](const UniGalaxy& type, double w) {
        level = Single((type.Galaxy_DX_Blend - travelLevel) * w + travelLevel);
        return RoundedRate((type.Galaxy_NewFreq - travelRate) * w + travelRate);
    };
    if (step == 1 && g >= 1) {
        return ease(UniGalaxies[ResolveGalaxyType(galTypes, static_cast<std::int16_t>(g - 1))], mix);
    }
    if (step > u.Universe_GPCtrl && tourActive) {
        const UniGalaxy& type = UniGalaxies[ResolveGalaxyType(galTypes, g)];
        if (step - u.Universe_GPCtrl == 1) return ease(type, 1.0 - mix);
        level = type.Galaxy_DX_Blend;
        return type.Galaxy_NewFreq;
    }
    level = u.DX_BlendUniTravel;
    return u.Universe_NewFreq;
}

void SpawnStar(StarTable& stars, std::int32_t s, const GalaxyTable& galaxies, GalaxyPathTables& paths, float relX,
               float relY, float relZ, std::int16_t g, std::int16_t show) {
    if (s < 0 || s >= stars.Count()) return;
    std::int16_t member = 0;
    if (show == kShowGalaxyType) {
        const std::int16_t shown = g >= 0 && g < galaxies.Count() ? galaxies.GalType[g] : std::int16_t{0};
        member = IsGalaxyType(shown) ? shown : 0;
    } else {
        const std::int16_t home = stars.StarGalaxy[s];
        member = home >= 0 && home < galaxies.Count() ? PickCompositeMember(galaxies.GalType[home]) : std::int16_t{0};
    }
    stars.StarMember[s] = member;
    GenerateStar(stars, s, member, g, paths);
    const UniGalaxy& t = UniGalaxies[member];
    const BirthEvent event = StartBirthEvent(stars, s, t);
    if (event != BirthEvent::Pulsar) DrawBirth(stars, s, t, event, relX, relY, relZ);
}

void ApplyGalaxyGravity(GalaxyTable& galaxies, std::int16_t& gravCounter) {
    const std::int16_t every = std::max<std::int16_t>(Universe.Universe_GravFrame, 1);
    gravCounter = static_cast<std::int16_t>((gravCounter + 1) % every);
    const double force = Universe.Universe_GravForce;
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
