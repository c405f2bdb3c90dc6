#include "renderer/galaxy/star_rebirth.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "renderer/galaxy/projection.h"
#include "renderer/galaxy/shapes.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/tour_frame.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr std::int32_t kNovaWhite = 0xFFFFFF;

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

void SpawnStar(const RunContext& run, StarTable& stars, std::int32_t s, const GalaxyTable& galaxies,
               GalaxyPathTables& paths, float relX, float relY, float relZ, std::int16_t g, std::int16_t show) {
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
    GenerateStar(run, stars, s, member, g, paths);
    const UniGalaxy& t = run.types[member];
    const BirthEvent event = StartBirthEvent(stars, s, t);
    if (event != BirthEvent::Pulsar) DrawBirth(stars, s, t, event, relX, relY, relZ);
}

}  // namespace orbweave
