#include "renderer/galaxy/galaxy_display.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

#include "core/convert.h"
#include "core/random.h"
#include "renderer/display/animation_guard.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/comets.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/galaxy_cycle.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/path_tables.h"
#include "renderer/galaxy/star_colours.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/type_state.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLimitFrames = 1;
// The single-galaxy display is always past the tour's approach points.
constexpr std::int16_t kPastEveryControlPoint = 32000;

// The tables of one galaxy display.
struct DisplayTables {
    GalaxyTable galaxies;
    StarTable stars;
    CometTable comets;
    GalaxyPathTables paths;

    bool Allocate(std::int32_t starCount) {
        try {
            galaxies.Allocate(1);
            stars.Allocate(starCount);
            comets.AllocateParticles();
            AllocateCometArrays(comets);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
};

std::int16_t MajorMember(std::int16_t composite) {
    const std::int16_t major = CompGalaxies[static_cast<std::size_t>(composite)].CompGal_Type[0];
    return IsGalaxyType(major) ? major : 0;
}

// Every member of a composite equally likely (the major one when it has none).
std::int16_t AnyMember(std::int16_t composite) {
    const CompGalaxy& comp = CompGalaxies[static_cast<std::size_t>(composite)];
    const int members = std::clamp<int>(comp.CompGal_Count, 0, kCompMemberCapacity);
    const auto k = static_cast<int>(std::floor(RandomFraction() * members));
    const std::int16_t member = comp.CompGal_Type[static_cast<std::size_t>(std::clamp(k, 0, kCompMemberCapacity - 1))];
    return IsGalaxyType(member) ? member : 0;
}

std::int32_t StarsFor(std::int32_t starCount, float scale) {
    return std::max(1, ToInt32(static_cast<double>(starCount) * scale).value_or(1));
}

}  // namespace

void PrepareDialogPreview(const RunTables& tables, const DrawingTarget& pic, const DisplayChoices& display,
                          std::optional<PreviewHues> hues) {
    LoadDisplaySettings(pic, false, 1.0f, display);
    BuildHueColorTables(tables.colours, tables.types);
    if (hues) BuildHueWheels(tables.colours, tables.types, hues->start, hues->end);
}

void RunGalaxyDisplay(UniverseSettings& universe, const RunTables& runTables, std::int16_t index,
                      std::int16_t limitFrames, std::int32_t frameLimit, std::int32_t starCount, bool composite,
                      float scale) {
    if (composite ? !IsCompGalaxy(index) : !IsGalaxyType(index)) return;
    const AnimationGuard guard;
    if (!guard.Entered()) return;
    universe.Universe_Stars = StarsFor(starCount, scale);
    universe.Universe_Galaxy = 1;
    universe.Universe_NewPctStEx = 0;
    const RunContext run = RunWith(universe, runTables);

    DisplayTables tables;
    if (!tables.Allocate(universe.Universe_Stars) || !LoadPropsInitDX()) return;
    PrecomputeGalaxyConstants(run.types);

    std::int16_t shown = index;
    if (composite) {
        shown = MajorMember(index);
        tables.galaxies.GalType[0] = static_cast<std::int16_t>(kGalaxyTypeCount + index);
    } else {
        tables.galaxies.GalType[0] = index;
    }
    tables.galaxies.GalRelZ[0] = run.types[shown].Run_Distance;
    tables.comets.CometCount = CometCountFor(run, shown);
    InitGalaxyTypeTables(run, tables.paths, 1, shown, composite ? index : std::int16_t{-1}, {});

    StarTable& stars = tables.stars;
    for (std::int32_t s = 0; s < stars.Count(); ++s) {
        stars.StarGalaxy[s] = 0;
        stars.StarMember[s] = composite ? AnyMember(index) : index;
        GenerateStar(run, stars, s, stars.StarMember[s], 0, tables.paths);
    }
    SetHueCycleFlags(run.types);
    BuildStarColorRamps(run.types);
    BuildPulsarTables(run.types);

    const TourFrame tour{0, shown, kPastEveryControlPoint, 0.0f, true, composite ? kShowComposite : kShowGalaxyType};
    const bool limited = limitFrames == kLimitFrames && frameLimit > 0;
    // The display goes on from the level the screen shows.
    std::int32_t blend = displayState.CurrentBlend;
    std::int32_t frames = 0;
    while (true) {
        AdvanceGalaxyAngles(run.types);
        runState.FrameStartTick = TickCount();
        blend = CycleGalaxyStars(run, tables.galaxies, stars, tables.comets, tables.paths, tour, blend);
        BlendBlitSurface(blend);
        AdvanceNebulaPaths(run, tables.paths, 1, shown, {});
        // The About box steps through the types without touching the stop flag.
        if (limited && ++frames == frameLimit) return;
        if (WaitFrameDelayPreview()) return;
    }
}

void PreviewGalaxy(const DrawingTarget& pic, const DisplayChoices& display, UniverseSettings& universe,
                   std::int16_t index, bool composite, std::int32_t starCount, std::optional<PreviewHues> hues) {
    // A running animation keeps its geometry and colours.
    if (AnimationRunning() || (composite ? !IsCompGalaxy(index) : !IsGalaxyType(index))) return;
    const RunTables stored = StoredRunTables();
    PrepareDialogPreview(stored, pic, display, hues);
    RunGalaxyDisplay(universe, stored, index, 0, 0, starCount, composite, 1.0f);
}

}  // namespace orbweave
