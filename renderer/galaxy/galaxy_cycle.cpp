#include "renderer/galaxy/galaxy_cycle.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/colour.h"
#include "core/convert.h"
#include "core/random.h"
#include "renderer/display/display.h"
#include "renderer/galaxy/comets.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/projection.h"
#include "renderer/galaxy/shapes.h"
#include "renderer/galaxy/star_colours.h"
#include "renderer/galaxy/star_motion.h"
#include "renderer/galaxy/star_rebirth.h"
#include "renderer/galaxy/transition_blend.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kNovaRampSteps = kHueRampLength;
constexpr double kFullCometPhase = 1.0;
constexpr std::int16_t kCometHueWrap = 1080;
// The softening of the gravity pull is the single-precision value 1e-9.
constexpr double kPullSoftening = static_cast<double>(1e-9f);

GravityPull Pull(const UniGalaxy& t) { return {t.Run_ForceK, kPullSoftening}; }

struct StarPass {
    const RunContext& run;
    GalaxyTable& galaxies;
    StarTable& stars;
    GalaxyPathTables& paths;
    std::int16_t show;

    void Respawn(std::int32_t i, std::int16_t g) const {
        SpawnStar(run, stars, i, galaxies, paths, galaxies.GalRelX[g], galaxies.GalRelY[g], galaxies.GalRelZ[g], g,
                  show);
    }

    // Star i turned by its level (plain motion modes use level 0) and moved
    // to galaxy g's place relative to the camera.
    CameraPoint InCamera(std::int32_t i, const UniGalaxy& t, std::int16_t g) const {
        const int level = t.Run_PlotMode == kPlotOrbit ? std::clamp<int>(stars.StarLevel[i], 0, kLevelCapacity - 1) : 0;
        return PlaceInCamera(stars.StarX[i], stars.StarY[i], stars.StarZ[i], t.Run_LevelCos[level],
                             t.Run_LevelSin[level], t.Galaxy_AxisPlane, galaxies.GalRelX[g], galaxies.GalRelY[g],
                             galaxies.GalRelZ[g]);
    }

    // One frame of a nova or pulsar: its countdown falls, and on its last
    // frame the star is reborn; otherwise the star moves. Its place when it
    // is in front of the camera, else empty.
    std::optional<CameraPoint> EndingEvent(std::vector<std::int16_t>& countdown, std::int32_t i, const UniGalaxy& t,
                                           std::int16_t g) const {
        countdown[i] = static_cast<std::int16_t>(countdown[i] - 1);
        if (countdown[i] == 0) {
            Respawn(i, g);
            return std::nullopt;
        }
        if (!MoveStar(stars, i, t, Pull(t))) return std::nullopt;
        const CameraPoint p = InCamera(i, t, g);
        if (!(p.depth > 0)) return std::nullopt;
        return p;
    }

    void NewStar(std::int32_t i, const UniGalaxy& t, std::int16_t g) const {
        stars.NewCountdown[i] = static_cast<std::int16_t>(stars.NewCountdown[i] - 1);
        const std::int16_t count = stars.NewCountdown[i];
        if (count <= 0 || !MoveStar(stars, i, t, Pull(t))) return;
        const CameraPoint p = InCamera(i, t, g);
        const auto pixel = ProjectToScreen(p);
        if (!pixel || count >= kEventTableSize) return;
        PlotNewStar(pixel->x, pixel->y, p.depth, count, stars.EventFrames[i], stars.EventExt[i],
                    t.Run_NewColorRamp[count]);
    }

    void Nova(std::int32_t i, const UniGalaxy& t, std::int16_t g) const {
        const auto p = EndingEvent(stars.NovaCountdown, i, t, g);
        if (!p) return;
        // The nova runs through its type's ramp from entry 0 towards the
        // black entry 80; the product is taken in 32 bits, so novas longer
        // than 409 frames keep their colours.
        const std::int32_t frames = stars.EventFrames[i];
        const std::int32_t elapsed = frames - stars.NovaCountdown[i];
        const double k = frames != 0 ? std::nearbyint(elapsed * kNovaRampSteps / frames) : 0.0;
        const auto entry = static_cast<std::size_t>(std::clamp(k, 0.0, static_cast<double>(kHueRampEntries - 1)));
        PlotNovaStar(p->u, p->v, p->depth, stars.NovaCountdown[i], stars.EventFrames[i], stars.EventExt[i],
                     run.colours.TypeHueRamps[stars.StarMember[i]][entry]);
    }

    void Pulsar(std::int32_t i, const UniGalaxy& t, std::int16_t g) const {
        const auto p = EndingEvent(stars.PulsarCountdown, i, t, g);
        if (!p) return;
        // The size and colour cycle repeats every PulsarFrames frames.
        const int frames = t.Galaxy_PulsarFrames;
        const int k = frames > 0 ? std::clamp(stars.PulsarCountdown[i] % frames, 0, kEventTableSize - 1) : 0;
        PlotPulsarStar(run, p->u, p->v, p->depth, t.Run_PulsarSize[k], stars.StarMember[i], t.Run_PulsarColor[k]);
    }

    void Plain(std::int32_t i, const UniGalaxy& t, std::int16_t g) const {
        if (!MoveStar(stars, i, t, Pull(t))) return;
        if (const auto pixel = ProjectToScreen(InCamera(i, t, g))) PlotPixel(pixel->x, pixel->y, stars.StarColor[i]);
    }

    void Run() const {
        const std::int32_t count = stars.Count();
        const std::int32_t galaxyCount = galaxies.Count();
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int16_t g = stars.StarGalaxy[i];
            const std::int16_t member = stars.StarMember[i];
            if (g < 0 || g >= galaxyCount || !IsGalaxyType(member)) continue;
            const UniGalaxy& t = run.types[member];
            if (stars.NewCountdown[i] > 0) {
                NewStar(i, t, g);
            } else if (stars.NovaCountdown[i] > 0) {
                Nova(i, t, g);
            } else if (stars.PulsarCountdown[i] > 0) {
                Pulsar(i, t, g);
            } else {
                Plain(i, t, g);
            }
        }
    }
};

std::int16_t RandomGalaxy(std::int32_t galaxyCount) {
    const double whole = std::floor(RandomFraction() * galaxyCount);
    return static_cast<std::int16_t>(std::clamp<double>(whole, 0, galaxyCount - 1));
}

// Which galaxy a reborn star joins: during a visit most go to the visited
// galaxy (on its first control point partly still to the one being left),
// the rest and every star of the closing leg to a random galaxy.
std::int16_t GalaxyForRebirth(const UniverseSettings& u, const TourFrame& tour, double mix, std::int32_t galaxyCount) {
    const double share = u.Universe_NewPctStEx;
    if (!tour.tourActive) return RandomGalaxy(galaxyCount);
    std::int16_t chosen = 0;
    if (RandomFraction() < share) {
        chosen = tour.tourGalaxy;
        if (tour.tourStep <= u.Universe_GPCtrl && tour.tourStep == 1 && tour.tourGalaxy > 0 && RandomFraction() < mix) {
            chosen = static_cast<std::int16_t>(tour.tourGalaxy - 1);
        }
    } else {
        chosen = RandomGalaxy(galaxyCount);
    }
    return chosen >= 0 && chosen < galaxyCount ? chosen : std::int16_t{0};
}

// newRate hundredths of a star per frame are reborn; a pick that lands on a
// star with a running event is lost.
void RecycleStars(StarPass& pass, const TourFrame& tour, std::int16_t newRate, double mix) {
    const std::int32_t count = pass.stars.Count();
    const std::int32_t galaxyCount = pass.galaxies.Count();
    const double extra = RandomFraction() * 100 < newRate % 100 ? 1.0 : 0.0;
    const double picks = std::nearbyint(newRate * 0.01 + extra);
    if (count == 0 || galaxyCount == 0) return;
    for (int n = 0; n < picks; ++n) {
        const auto s = static_cast<std::int32_t>(std::min<double>(std::floor(RandomFraction() * count), count - 1));
        if (pass.stars.NewCountdown[s] != 0 || pass.stars.NovaCountdown[s] != 0 || pass.stars.PulsarCountdown[s] != 0) {
            continue;
        }
        const std::int16_t g = GalaxyForRebirth(pass.run.universe, tour, mix, galaxyCount);
        pass.stars.StarGalaxy[s] = g;
        pass.Respawn(s, g);
    }
}

void RunComets(const RunContext& run, GalaxyTable& galaxies, CometTable& comets, GalaxyPathTables& paths,
               const TourFrame& tour) {
    std::int16_t c = tour.tourGalaxy;
    // On the first control point of a visit the comets stay with the galaxy
    // being left.
    if (tour.tourActive && tour.tourStep <= 1 && tour.tourGalaxy > 0) c = static_cast<std::int16_t>(c - 1);
    const std::int16_t placed = tour.show == kShowGalaxyType ? std::int16_t{0} : c;
    if (placed < 0 || placed >= galaxies.Count()) return;
    CycleComets(run, comets, paths, galaxies.GalRelX[placed], galaxies.GalRelY[placed], galaxies.GalRelZ[placed], c,
                tour.cometGalaxyType, tour.tourStep);
}

// Each type's comet ramp slides one hue whenever its phase passes 1.
void SlideCometHues(const RunContext& run) {
    for (int type = 0; type < kGalaxyTypeCount; ++type) {
        UniGalaxy& t = run.types[type];
        t.Run_CometHuePhase = Single(static_cast<double>(t.Run_CometHuePhase) + t.Galaxy_HWC_Inc);
        if (!(t.Run_CometHuePhase > kFullCometPhase)) continue;
        t.Run_CometHuePhase = 0;
        t.Run_CometHueStart = static_cast<std::int16_t>(t.Run_CometHueStart + 1);
        t.Run_CometHueEnd = static_cast<std::int16_t>(t.Run_CometHueEnd + 1);
        if (t.Run_CometHueStart > kCometHueWrap && t.Run_CometHueEnd > kCometHueWrap) {
            t.Run_CometHueStart = static_cast<std::int16_t>(t.Run_CometHueStart - kCometHueWrap);
            t.Run_CometHueEnd = static_cast<std::int16_t>(t.Run_CometHueEnd - kCometHueWrap);
        }
        BuildHueRamp(run.colours.TypeHueRamps[type], t.Run_CometHueStart, t.Run_CometHueEnd, true);
    }
}

}  // namespace

std::int32_t CycleGalaxyStars(const RunContext& run, GalaxyTable& galaxies, StarTable& stars, CometTable& comets,
                              GalaxyPathTables& paths, const TourFrame& tour, std::int32_t lastBlend) {
    const TransitionBlend blend = GetTransitionBlend(run, galaxies.GalType, tour);

    StarPass pass{run, galaxies, stars, paths, tour.show};
    pass.Run();
    if (run.universe.Universe_GravForce == 0) RunComets(run, galaxies, comets, paths, tour);
    RecycleStars(pass, tour, blend.newRate, blend.mix);
    SlideCometHues(run);
    CycleStarHues(run, stars.StarMember, stars.StarColor, stars.StarHue);
    return ToInt32(blend.level).value_or(lastBlend);
}

}  // namespace orbweave
