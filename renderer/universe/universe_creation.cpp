#include "renderer/universe/universe_creation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <optional>

#include "core/colour.h"
#include "core/convert.h"
#include "core/random.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/ifs_generators.h"
#include "renderer/galaxy/molecule_generators.h"
#include "renderer/galaxy/path_tables.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/projection.h"
#include "renderer/galaxy/shapes.h"
#include "renderer/galaxy/star_colours.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/star_motion.h"
#include "renderer/galaxy/star_rebirth.h"
#include "renderer/galaxy/type_state.h"
#include "renderer/universe/tour.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_settings.h"
#include "renderer/universe/universe_steps.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kCreationPullSoftening = 0.000000001;
constexpr double kQuarterTurn = 1.570796326794895;
constexpr std::int32_t kFlashWhite = 0xFFFFFF;
constexpr std::int16_t kCompositeFlag = -1;
constexpr int kLastRampEntry = kHueRampEntries - 1;

// Where a star of the start cloud is.
enum CloudState : std::int16_t { kInCloud = 0, kLeaving = 1, kInGalaxy = 2 };

// The tables of one creation phase.
struct CreationTables {
    std::vector<float> CloudX, CloudY, CloudZ, CloudVX, CloudVY, CloudVZ;
    std::vector<std::int16_t> CloudState, CloudCounter;
    std::vector<float> GalDriftX, GalDriftY, GalDriftZ;
    std::vector<float> GalDispX, GalDispY, GalDispZ;
    std::array<std::int32_t, kUniGalaxySlots> SlotCumWeight{};
    std::int32_t totalWeight = 0;

    CreationTables(std::int32_t stars, std::int32_t galaxies) {
        for (auto* table : {&CloudX, &CloudY, &CloudZ, &CloudVX, &CloudVY, &CloudVZ}) table->assign(stars, 0.0f);
        CloudState.assign(stars, kInCloud);
        CloudCounter.assign(stars, 0);
        for (auto* table : {&GalDriftX, &GalDriftY, &GalDriftZ, &GalDispX, &GalDispY, &GalDispZ}) {
            table->assign(galaxies, 0.0f);
        }
    }
};

// The whole part of a fraction of count: 0..count - 1 (0 for no count).
std::int32_t RandomIndex(std::int32_t count) {
    const double whole = std::floor(RandomFraction() * count);
    return static_cast<std::int32_t>(std::clamp<double>(whole, 0, std::max(count - 1, 0)));
}

// The profile type's own shapes for the cloud: an I.F.S. figure, or a fresh
// random nebula ribbon (closed by repeating its first three points).
void BuildCloudShape(const RunContext& run, StartCloudPaths& cloud, std::int16_t profile) {
    const UniGalaxy& t = run.types[profile];
    switch (t.Galaxy_GalStyle) {
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs: BuildPathControlPoints(run, cloud.UniFigure, profile); break;
    case kStyleNebula: {
        const int points = std::clamp<int>(t.Galaxy_CP_Points, 1, kNebulaPointCount - 3);
        const double across = 2.0 * t.Run_Radius;
        for (int n = 0; n <= points + 2; ++n) {
            if (t.Galaxy_CP_Close != 0 && n >= points) {
                cloud.UniNebulaCtrlX[n] = cloud.UniNebulaCtrlX[n - points];
                cloud.UniNebulaCtrlY[n] = cloud.UniNebulaCtrlY[n - points];
                cloud.UniNebulaCtrlZ[n] = cloud.UniNebulaCtrlZ[n - points];
                continue;
            }
            const double r1 = RandomFraction(), r2 = RandomFraction(), r3 = RandomFraction();
            cloud.UniNebulaCtrlX[n] = Single(across * (r1 - 0.5));
            cloud.UniNebulaCtrlY[n] = Single(across * (r2 - 0.5) * t.Galaxy_GHW_Ratio);
            cloud.UniNebulaCtrlZ[n] = Single(across * (r3 - 0.5));
        }
        break;
    }
    default: break;
    }
}

// Running sums of the slot percents; composites take part as slots 50..65
// when their percent is at least 1. With no weight at all slot 0 takes it.
void WeighSlots(GalaxyTypes& types, CreationTables& c) {
    std::int32_t sum = 0;
    for (int slot = 0; slot < kGalaxyTypeCount; ++slot) {
        sum += types[slot]._UniGalPct;
        c.SlotCumWeight[slot] = sum;
        types[slot].Run_IsComposite = 0;
    }
    for (int slot = kGalaxyTypeCount; slot < kUniGalaxySlots; ++slot) {
        const std::int16_t percent = CompGalaxies[slot - kGalaxyTypeCount]._CompGalPct;
        types[slot].Run_IsComposite = percent >= 1 ? kCompositeFlag : std::int16_t{0};
        types[slot]._UniGalPct = percent;
        sum += percent;
        c.SlotCumWeight[slot] = sum;
    }
    c.totalWeight = sum;
    if (sum == 0) {
        c.totalWeight = 1;
        c.SlotCumWeight[0] = 1;
    }
}

// Deals the weighted slots out in turn, from slot 0, whatever the weights.
std::int16_t NextSlotInTurn(const GalaxyTypes& types, const CreationTables& c, std::int16_t& cursor) {
    if (c.SlotCumWeight[0] == 1 && c.totalWeight == 1) return 0;
    for (int tries = 0; tries < kUniGalaxySlots && types[cursor]._UniGalPct == 0; ++tries) {
        cursor = static_cast<std::int16_t>((cursor + 1) % kUniGalaxySlots);
    }
    const std::int16_t slot = cursor;
    cursor = static_cast<std::int16_t>((cursor + 1) % kUniGalaxySlots);
    return slot;
}

std::int16_t WeightedSlot(const CreationTables& c) {
    const float r = Single(RandomFraction() * c.totalWeight);
    for (int slot = 0; slot < kUniGalaxySlots; ++slot) {
        if (c.SlotCumWeight[slot] >= r) return static_cast<std::int16_t>(slot);
    }
    return 0;
}

// The tour list names the first galaxies' slots. A composite named there
// counts as a composite even with percent 0; one without members is ignored.
void ApplyTourList(const RunContext& run, const TourList& tourList, GalaxyTable& galaxies) {
    const UniverseSettings& u = run.universe;
    if (!u.Universe_Tour || u.Universe_GVisit || tourList.TourCount < 1) return;
    const std::int32_t listed = std::min<std::int32_t>(tourList.TourCount, galaxies.Count());
    for (std::int32_t g = 0; g < listed; ++g) {
        const auto slot = TextToInt16(tourList.TourSequence[static_cast<std::size_t>(g)]);
        if (!slot || !IsUniGalaxySlot(*slot)) continue;
        if (!IsGalaxyType(*slot)) {
            if (CompGalaxies[*slot - kGalaxyTypeCount].CompGal_Count < 1) continue;
            run.types[*slot].Run_IsComposite = kCompositeFlag;
        }
        galaxies.GalType[g] = *slot;
    }
}

void ChooseGalaxies(const RunContext& run, const TourList& tour, UniverseTables& tables, CreationTables& c) {
    const UniverseSettings& u = run.universe;
    GalaxyTable& galaxies = tables.galaxies;
    const std::int32_t stars = tables.stars.Count();
    std::int16_t cursor = 0;
    for (std::int32_t g = 0; g < galaxies.Count(); ++g) {
        galaxies.GalType[g] = u.Universe_GVisit ? NextSlotInTurn(run.types, c, cursor) : WeightedSlot(c);
        // Each galaxy rides on a random star of the cloud.
        const std::int32_t i = RandomIndex(stars);
        if (i >= stars) continue;
        galaxies.GalX[g] = c.CloudX[i];
        galaxies.GalY[g] = c.CloudY[i];
        galaxies.GalZ[g] = c.CloudZ[i];
        c.GalDriftX[g] = c.CloudVX[i];
        c.GalDriftY[g] = c.CloudVY[i];
        c.GalDriftZ[g] = c.CloudVZ[i];
    }
    ApplyTourList(run, tour, galaxies);
}

// A star's place in a random galaxy, of one of that galaxy's types.
void PlaceInRandomGalaxy(const RunContext& run, UniverseTables& tables, std::int32_t i) {
    const auto g = static_cast<std::int16_t>(RandomIndex(tables.galaxies.Count()));
    tables.stars.StarGalaxy[i] = g;
    tables.stars.StarMember[i] = PickCompositeMember(tables.galaxies.GalType[g]);
    GenerateStar(run, tables.stars, i, tables.stars.StarMember[i], g, tables.paths);
}

void DrawAt(double x, double y, double depth, std::int32_t colour) {
    const double k = drawingGeometry.FocalDistance / depth;
    const auto px = ScreenCoordinate(k * x + drawingGeometry.ProjectionCentre.x);
    const auto py = ScreenCoordinate(k * y + drawingGeometry.ProjectionCentre.y);
    if (px && py) PlotPixel(static_cast<std::int32_t>(*px), static_cast<std::int32_t>(*py), colour);
}

struct CreationFrame {
    const RunContext& run;
    UniverseTables& tables;
    CreationTables& c;
    std::int16_t f;
    std::int16_t leaveThreshold;
    std::int32_t cloudColour;
    float creationDamping;

    void InCloud(std::int32_t i) const {
        c.CloudCounter[i] = static_cast<std::int16_t>(c.CloudCounter[i] + 1);
        const double r = RandomFraction();
        if (r >= run.universe.Universe_Persist && f >= leaveThreshold) {
            c.CloudState[i] = kLeaving;
            c.CloudCounter[i] = 0;
            return;
        }
        c.CloudX[i] += c.CloudVX[i];
        c.CloudY[i] += c.CloudVY[i];
        c.CloudZ[i] += c.CloudVZ[i];
        const double depth = static_cast<double>(run.universe.Universe_DstCen) + c.CloudZ[i];
        if (depth > 0) DrawAt(c.CloudX[i], c.CloudY[i], depth, cloudColour);
    }

    void Leaving(std::int32_t i) const {
        c.CloudCounter[i] = static_cast<std::int16_t>(c.CloudCounter[i] + 1);
        if (c.CloudCounter[i] != 1) return;
        c.CloudState[i] = kInGalaxy;
        PlaceInRandomGalaxy(run, tables, i);
    }

    void InGalaxy(std::int32_t i) const {
        StarTable& s = tables.stars;
        const std::int16_t member = s.StarMember[i];
        const std::int16_t g = s.StarGalaxy[i];
        if (!IsGalaxyType(member) || g < 0 || g >= tables.galaxies.Count()) return;
        const UniGalaxy& t = run.types[member];
        // A settled star ages and moves by its type's rule; during creation
        // gravity-mode stars are pulled by the type's rotation step.
        AgeStar(s, i);
        MoveStar(s, i, t, {t.Run_RotStep, kCreationPullSoftening});
        const int level = std::clamp<int>(s.StarLevel[i], 0, kLevelCapacity - 1);
        const CameraPoint p =
            PlaceInCamera(s.StarX[i], s.StarY[i], s.StarZ[i], t.Run_LevelCos[level], t.Run_LevelSin[level],
                          t.Galaxy_AxisPlane, c.GalDispX[g], c.GalDispY[g], c.GalDispZ[g]);
        if (p.depth > 0) DrawAt(p.u, p.v, p.depth, s.StarColor[i]);
    }

    void Run() const {
        const std::int32_t count = tables.stars.Count();
        const double damping = creationDamping;
        for (std::int32_t i = 0; i < count; ++i) {
            switch (c.CloudState[i]) {
            case kInCloud: InCloud(i); break;
            case kLeaving: Leaving(i); break;
            case kInGalaxy: InGalaxy(i); break;
            default: break;
            }
            c.CloudVX[i] = Single(c.CloudVX[i] * damping);
            c.CloudVY[i] = Single(c.CloudVY[i] * damping);
            c.CloudVZ[i] = Single(c.CloudVZ[i] * damping);
        }
    }
};

void DriftGalaxies(const UniverseSettings& u, GalaxyTable& galaxies, CreationTables& c, double damping) {
    for (std::int32_t g = 0; g < galaxies.Count(); ++g) {
        galaxies.GalX[g] += c.GalDriftX[g];
        galaxies.GalY[g] += c.GalDriftY[g];
        galaxies.GalZ[g] += c.GalDriftZ[g];
        c.GalDriftX[g] = Single(c.GalDriftX[g] * damping);
        c.GalDriftY[g] = Single(c.GalDriftY[g] * damping);
        c.GalDriftZ[g] = Single(c.GalDriftZ[g] * damping);
        c.GalDispX[g] = galaxies.GalX[g];
        c.GalDispY[g] = galaxies.GalY[g];
        c.GalDispZ[g] = Single(static_cast<double>(u.Universe_DstCen) + galaxies.GalZ[g]);
    }
}

void DampAmbient(AmbientTable& ambient, double damping) {
    for (std::int32_t i = 0; i < ambient.Count(); ++i) {
        ambient.AmbVX[i] = Single(ambient.AmbVX[i] * damping);
        ambient.AmbVY[i] = Single(ambient.AmbVY[i] * damping);
        ambient.AmbVZ[i] = Single(ambient.AmbVZ[i] * damping);
    }
}

// The creation frames; false when the pacing reported a stop.
bool RunCreationFrames(const RunContext& run, UniverseTables& tables, CreationTables& c, float& expandSpeed,
                       float& universeExtent, std::int16_t profile, std::int32_t& blend) {
    const UniverseSettings& u = run.universe;
    const std::int16_t steps = std::max<std::int16_t>(u.Universe_ESteps, 1);
    const auto leaveThreshold = ToInt16(steps * 0.25).value_or(0);
    float damping = u.Universe_Damping;
    const CameraPosition camera{0, 0, Single(-static_cast<double>(u.Universe_DstCen))};
    for (std::int16_t f = 0; f < steps; ++f) {
        runState.FrameStartTick = TickCount();
        blend =
            ToInt32((static_cast<double>(u.DX_BlendUniTravel) - u.DX_BlendUniBurst) * f / steps + u.DX_BlendUniBurst)
                .value_or(blend);
        DriftGalaxies(u, tables.galaxies, c, damping);
        AdvanceGalaxyAngles(run.types);
        const int ramp = std::clamp(ToInt32(f * (80.0 / steps)).value_or(0), 0, kLastRampEntry);
        CreationFrame{run,    tables, c, f, leaveThreshold, run.colours.UniverseHueRamp[static_cast<std::size_t>(ramp)],
                      damping}
            .Run();
        CycleStarHues(run, tables.stars.StarMember, tables.stars.StarColor, tables.stars.StarHue);
        universeExtent = Single(static_cast<double>(universeExtent) + expandSpeed);
        CycleUniverseStars(run, tables.ambient, tables.cloud, tables.paths, camera, universeExtent, expandSpeed,
                           kAmbientCreation, profile);
        BlendBlitSurface(blend);
        if (damping > 0) DampAmbient(tables.ambient, damping);
        expandSpeed = Single(static_cast<double>(expandSpeed) * damping);
        AdvanceNebulaPaths(run, tables.paths, tables.galaxies.Count(), -1, tables.galaxies.GalType);
        // Over the last quarter the damping falls to 0 on a quarter cosine,
        // so everything comes to rest by the end of the phase.
        if (f > steps * 0.75) {
            damping = Single(u.Universe_Damping * std::cos((f - steps * 0.75) / (steps * 0.25) * kQuarterTurn));
        }
        if (WaitFrameDelayPreview()) return false;
        if (runState.RunMode == kRunModePreview) PauseSlice();
    }
    return true;
}

}  // namespace

void GenerateStarWithVelocity(const RunContext& run, float& x, float& y, float& z, float& vx, float& vy, float& vz,
                              std::int16_t type, float speed, float factor, std::int16_t mode, StartCloudPaths& cloud,
                              GalaxyPathTables& paths) {
    if (!IsGalaxyType(type)) return;
    const UniverseSettings& u = run.universe;
    const UniGalaxy& t = run.types[type];
    switch (t.Galaxy_GalStyle) {
    case kStyleStandard:
    case kStyleQuasar:
    case kStyleGraviton:
    case kStyleStarwave: GenerateUniverseCoreStar(run, x, y, z, type); break;
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs: GenerateUniverseIfsStar(run, x, y, z, type, cloud, paths); break;
    case kStyleNebula: GenerateUniverseNebulaStar(run, x, y, z, type, cloud); break;
    case kStyleMolecule: {
        std::int16_t atom = 0;
        GenerateMoleculePoint(run, x, y, z, atom, type, true);
        break;
    }
    default: break;
    }
    // The shape is brought to the radius of the universe's expansion.
    if (t.Run_Radius != 0) {
        const double scale = static_cast<double>(u.Universe_Expand) / t.Run_Radius;
        x = Single(x * scale);
        y = Single(y * scale);
        z = Single(z * scale);
    }
    const double c = std::cos(-static_cast<double>(t.Run_LevelTilt[0]));
    const double s = std::sin(-static_cast<double>(t.Run_LevelTilt[0]));
    vz = Single(c * z + s * y);
    const float across = Single(s * z - c * y);
    if (t.Galaxy_AxisPlane == 0) {
        vx = x;
        vy = across;
    } else {
        vy = x;
        vx = across;
    }
    switch (mode) {
    case kBurstFromCentre:
        x = y = z = 0;
        vx = Single(static_cast<double>(vx) * speed);
        vy = Single(static_cast<double>(vy) * speed);
        vz = Single(static_cast<double>(vz) * speed);
        break;
    case kPlacedAndMoving:
        x = Single(static_cast<double>(speed) * vx);
        y = Single(static_cast<double>(speed) * vy);
        z = Single(static_cast<double>(speed) * vz);
        vx = Single(static_cast<double>(factor) * x);
        vy = Single(static_cast<double>(factor) * y);
        vz = Single(static_cast<double>(factor) * z);
        break;
    case kPlacedAndStill:
        x = Single(static_cast<double>(speed) * vx);
        y = Single(static_cast<double>(speed) * vy);
        z = Single(static_cast<double>(speed) * vz);
        vx = vy = vz = 0;
        break;
    default: break;
    }
}

void CycleUniverseStars(const RunContext& run, AmbientTable& ambient, StartCloudPaths& cloud, GalaxyPathTables& paths,
                        const CameraPosition& camera, float universeExtent, float expandSpeed, std::int16_t phase,
                        std::int16_t profile) {
    if (phase != kAmbientCreation && phase != kAmbientTour) return;
    const UniverseSettings& u = run.universe;
    // A universe that does not expand has no edge to fly out from.
    const bool expanding = phase == kAmbientCreation && universeExtent != 0;
    const float factor = expanding ? Single(static_cast<double>(expandSpeed) / universeExtent) : 0.0f;
    const std::int16_t mode = phase == kAmbientCreation ? kPlacedAndMoving : kPlacedAndStill;
    for (std::int32_t i = 0; i < ambient.Count(); ++i) {
        if (ambient.AmbFrames[i] == 0) {
            ambient.AmbAge[i] = Single(static_cast<double>(ambient.AmbAge[i]) + u.Universe_AmCAge);
        } else {
            ambient.AmbFrames[i] = static_cast<std::int16_t>(ambient.AmbFrames[i] - 1);
        }
        if (RandomFraction() >= u.Universe_AmPers && ambient.AmbFrames[i] < 1) {
            GenerateStarWithVelocity(run, ambient.AmbX[i], ambient.AmbY[i], ambient.AmbZ[i], ambient.AmbVX[i],
                                     ambient.AmbVY[i], ambient.AmbVZ[i], profile, universeExtent, factor, mode, cloud,
                                     paths);
            ambient.AmbFrames[i] = u.Universe_AmFrames;
            ambient.AmbAge[i] = 0;
            continue;
        }
        if (phase == kAmbientCreation) {
            ambient.AmbX[i] += ambient.AmbVX[i];
            ambient.AmbY[i] += ambient.AmbVY[i];
            ambient.AmbZ[i] += ambient.AmbVZ[i];
        }
        const double depth = static_cast<double>(ambient.AmbZ[i]) - camera.z;
        if (!(depth > 0)) continue;
        const double k = drawingGeometry.FocalDistance / depth;
        const auto x = ScreenCoordinate((static_cast<double>(ambient.AmbX[i]) - camera.x) * k +
                                        drawingGeometry.ProjectionCentre.x);
        const auto y = ScreenCoordinate((static_cast<double>(ambient.AmbY[i]) - camera.y) * k +
                                        drawingGeometry.ProjectionCentre.y);
        if (!x || !y) continue;
        const auto px = static_cast<std::int32_t>(*x);
        const auto py = static_cast<std::int32_t>(*y);
        if (ambient.AmbFrames[i] == 0) {
            if (ambient.AmbAge[i] < kHueRampLength) {
                const int entry = std::clamp(ToInt32(ambient.AmbAge[i]).value_or(0), 0, kLastRampEntry);
                PlotPixel(px, py, run.colours.UniverseHueRamp[static_cast<std::size_t>(entry)]);
            }
        } else {
            PlotNewStar(px, py, Single(depth), ambient.AmbFrames[i], u.Universe_AmFrames, u.Universe_AmMaxExt,
                        kFlashWhite);
        }
    }
}

void RunUniverseCreation(const RunContext& run, const TourList& tour, UniverseTables& tables, float& expandSpeed,
                         float& universeExtent, std::int16_t profile, std::int32_t& blend) {
    if (!IsGalaxyType(profile)) profile = 0;
    const std::int32_t starCount = tables.stars.Count();
    const auto galaxyCount = static_cast<std::int16_t>(tables.galaxies.Count());
    std::optional<CreationTables> local;
    try {
        local.emplace(starCount, galaxyCount);
    } catch (const std::bad_alloc&) {
        // Without its tables no universe can form: the run ends.
        EndRunWithoutMemory();
        runState.StopRequested = true;
        return;
    }
    CreationTables& c = *local;

    InitGalaxyTypeTables(run, tables.paths, galaxyCount, profile, -1, {});
    BuildCloudShape(run, tables.cloud, profile);
    for (std::int32_t i = 0; i < starCount; ++i) {
        GenerateStarWithVelocity(run, c.CloudX[i], c.CloudY[i], c.CloudZ[i], c.CloudVX[i], c.CloudVY[i], c.CloudVZ[i],
                                 profile, expandSpeed, 0, kBurstFromCentre, tables.cloud, tables.paths);
    }
    AmbientTable& ambient = tables.ambient;
    for (std::int32_t i = 0; i < ambient.Count(); ++i) {
        ambient.AmbAge[i] = 0;
        ambient.AmbFrames[i] = 0;
        GenerateStarWithVelocity(run, ambient.AmbX[i], ambient.AmbY[i], ambient.AmbZ[i], ambient.AmbVX[i],
                                 ambient.AmbVY[i], ambient.AmbVZ[i], profile, expandSpeed, 0, kBurstFromCentre,
                                 tables.cloud, tables.paths);
    }
    WeighSlots(run.types, c);
    ChooseGalaxies(run, tour, tables, c);
    InitGalaxyTypeTables(run, tables.paths, galaxyCount, -1, -1, tables.galaxies.GalType);

    if (!RunCreationFrames(run, tables, c, expandSpeed, universeExtent, profile, blend)) return;

    std::fill(ambient.AmbVX.begin(), ambient.AmbVX.end(), 0.0f);
    std::fill(ambient.AmbVY.begin(), ambient.AmbVY.end(), 0.0f);
    std::fill(ambient.AmbVZ.begin(), ambient.AmbVZ.end(), 0.0f);
    for (std::int32_t i = 0; i < starCount; ++i) {
        if (c.CloudState[i] != kInGalaxy) PlaceInRandomGalaxy(run, tables, i);
    }
}

}  // namespace orbweave
