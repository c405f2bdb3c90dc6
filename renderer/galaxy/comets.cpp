#include "renderer/galaxy/comets.h"

#include <algorithm>
#include <cmath>

#include "core/colour_tables.h"
#include "core/random.h"
#include "renderer/display/display_settings.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/ifs_generators.h"
#include "renderer/galaxy/molecule_generators.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/projection.h"
#include "renderer/galaxy/shapes.h"
#include "renderer/galaxy/splines.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kTinyDistance = 1e-9;
constexpr std::int16_t kFirstLaunchStep = 3;

// The head seen from the camera's axes: across (a), up (b) and depth (d)
// relative to the galaxy centre, and the solar-wind factor that blows the
// particles radially away from the centre.
struct HeadFrame {
    double a = 0;
    double b = 0;
    double d = 0;
    double wind = 0;
};

HeadFrame FrameOfHead(const CometTable& k, std::int32_t i, const UniGalaxy& t) {
    const int level = std::clamp<int>(k.CometLevel[i], 0, kLevelCapacity - 1);
    const double c = t.Run_LevelCos[level], s = t.Run_LevelSin[level];
    const double x = k.CometHeadX[i], y = k.CometHeadY[i], z = k.CometHeadZ[i];
    HeadFrame frame;
    frame.d = z * c + y * s;
    const double w = z * s - y * c;
    if (t.Galaxy_AxisPlane == 0) {
        frame.a = x;
        frame.b = w;
    } else {
        frame.a = w;
        frame.b = x;
    }
    if (t.Galaxy_CometVector == 0) {
        const double distance = std::sqrt(frame.a * frame.a + frame.b * frame.b + frame.d * frame.d);
        frame.wind = t.Run_CometSWindK / (distance + kTinyDistance);
    }
    return frame;
}

// A particle leaves the head in a random direction at the comet speed, plus
// the solar wind.
void EmitParticle(CometTable& k, std::int32_t j, const HeadFrame& frame, const UniGalaxy& t) {
    k.ParticleAge[j] = 0;
    k.ParticleX[j] = Single(frame.a);
    k.ParticleY[j] = Single(frame.b);
    k.ParticleZ[j] = Single(frame.d);
    float vx = 0, vy = 0, vz = 0;
    RandomShellPoint(vx, vy, vz, t.Run_CometSpeedK);
    k.ParticleVX[j] = Single(vx + frame.a * frame.wind);
    k.ParticleVY[j] = Single(vy + frame.b * frame.wind);
    k.ParticleVZ[j] = Single(vz + frame.d * frame.wind);
}

// The particle slots comet i owns, cut to the table.
struct ParticleRange {
    std::int32_t first = 0;
    std::int32_t end = 0;
};

ParticleRange ParticlesOf(const CometTable& k, std::int32_t i, std::int32_t perComet) {
    const std::int32_t first = std::min(i * perComet, k.ParticleCount());
    return {first, std::min(first + perComet, k.ParticleCount())};
}

// Places the head of comet q by the type's style; every style but the
// nebula also gives the head its own rotation step.
void PlaceHead(const RunContext& run, CometTable& k, std::int32_t q, std::int16_t type, std::int16_t galaxy,
               GalaxyPathTables& paths) {
    const UniGalaxy& t = run.types[type];
    float& x = k.CometHeadX[q];
    float& y = k.CometHeadY[q];
    float& z = k.CometHeadZ[q];
    float omega = 0;
    std::int16_t level = 0;
    switch (t.Galaxy_GalStyle) {
    case kStyleStandard:
    case kStyleQuasar:
    case kStyleGraviton:
    case kStyleStarwave:
        GenerateCoreStar(run, x, y, z, k.CometRotCos[q], k.CometRotSin[q], omega, level, type, t.Run_CometOrbitK,
                         t.Run_ArmAngle);
        break;
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs:
        GenerateIfsStar(run, x, y, z, k.CometRotCos[q], k.CometRotSin[q], omega, type, galaxy, paths);
        break;
    case kStyleNebula: {
        float vx = 0, vy = 0, vz = 0, fraction = 0;
        GenerateNebulaStar(run, x, y, z, vx, vy, vz, fraction, k.CometPathT[q], type, galaxy, paths);
        break;
    }
    case kStyleMolecule: {
        std::int32_t hue = 0;
        GenerateMoleculeStar(run, x, y, z, k.CometRotCos[q], k.CometRotSin[q], hue, omega, type, false);
        break;
    }
    default: break;
    }
    k.CometLevel[q] = level;
}

void Launch(const RunContext& run, CometTable& k, std::int16_t type, std::int16_t galaxy, std::int16_t tourStep,
            std::int32_t comets, std::int32_t perComet, GalaxyPathTables& paths) {
    const UniGalaxy& t = run.types[type];
    const auto q = static_cast<std::int32_t>(RandomFraction() * k.CometCount);
    const double chance = RandomFraction();
    if (q < 0 || q >= comets) return;
    if (k.CometEmitting[q] != 0 || tourStep < kFirstLaunchStep || k.CometLive[q] != 0 || !(chance < t.Run_CometFreqP)) {
        return;
    }
    const ParticleRange owned = ParticlesOf(k, q, perComet);
    k.CometEmitting[q] = 1;
    k.CometLive[q] = static_cast<std::int16_t>(owned.end - owned.first);
    PlaceHead(run, k, q, type, galaxy, paths);
    const HeadFrame frame = FrameOfHead(k, q, t);
    if (t.Galaxy_CometVector != 0) {
        // The head escapes radially; a head at the very centre has no
        // direction and stays where it is.
        const double x = k.CometHeadX[q], y = k.CometHeadY[q], z = k.CometHeadZ[q];
        const double length = std::sqrt(x * x + y * y + z * z);
        const double speed = length > 0 ? t.Run_CometSWindK / length : 0.0;
        k.CometHeadVX[q] = Single(x * speed);
        k.CometHeadVY[q] = Single(y * speed);
        k.CometHeadVZ[q] = Single(z * speed);
    }
    for (std::int32_t j = owned.first; j < owned.end; ++j) {
        k.CometActive[j] = 1;
        EmitParticle(k, j, frame, t);
    }
}

void MoveHead(CometTable& k, std::int32_t i, const UniGalaxy& t, std::int16_t galaxy, const GalaxyPathTables& paths) {
    if (t.Galaxy_CometVector != 0) {
        k.CometHeadX[i] += k.CometHeadVX[i];
        k.CometHeadY[i] += k.CometHeadVY[i];
        k.CometHeadZ[i] += k.CometHeadVZ[i];
        return;
    }
    if (t.Galaxy_GalStyle == kStyleNebula) {
        const double points = t.Galaxy_CP_Points;
        double along = static_cast<double>(k.CometPathT[i]) + t.Run_CometOrbitK;
        if (points > 0 && along >= points) along = std::fmod(along, points);
        k.CometPathT[i] = Single(along);
        const double whole = std::floor(k.CometPathT[i]);
        if (!(whole >= 0 && whole < kNebulaPointCount)) return;
        const auto m = static_cast<std::int16_t>(whole);
        SplineNebulaPoint(k.CometHeadX[i], k.CometHeadY[i], k.CometHeadZ[i], Single(k.CometPathT[i] - whole), galaxy, m,
                          static_cast<std::int16_t>(m + 1), static_cast<std::int16_t>(m + 2),
                          static_cast<std::int16_t>(m + 3), paths.NebulaCtrlX, paths.NebulaCtrlY, paths.NebulaCtrlZ);
        return;
    }
    // Z turns first and X turns with the new Z, so a head spirals slowly in.
    const double c = k.CometRotCos[i], s = k.CometRotSin[i];
    k.CometHeadZ[i] = Single(k.CometHeadX[i] * s + k.CometHeadZ[i] * c);
    k.CometHeadX[i] = Single(c * k.CometHeadX[i] - s * k.CometHeadZ[i]);
}

void DrawParticle(const CometTable& k, std::int32_t j, float offX, float offY, float offZ, const HueRamp& ramp) {
    const double depth = static_cast<double>(offZ) + k.ParticleZ[j];
    const double f = drawingGeometry.FocalDistance / depth;
    const auto x =
        ScreenCoordinate((static_cast<double>(offX) + k.ParticleX[j]) * f + drawingGeometry.ProjectionCentre.x);
    const auto y =
        ScreenCoordinate((static_cast<double>(offY) + k.ParticleY[j]) * f + drawingGeometry.ProjectionCentre.y);
    if (!x || !y) return;
    PlotPixel(static_cast<std::int32_t>(*x), static_cast<std::int32_t>(*y), ramp[k.ParticleAge[j]]);
}

// One frame of comet i's particles: each survives with the star persistence
// and moves on; a lost one is shed again while the comet emits, else it dies.
void CycleParticles(CometTable& k, std::int32_t i, const ParticleRange& owned, const HeadFrame& frame,
                    const UniGalaxy& t, float offX, float offY, float offZ, const HueRamp& ramp) {
    for (std::int32_t j = owned.first; j < owned.end; ++j) {
        if (k.CometActive[j] == 0) continue;
        if (RandomFraction() >= t.Galaxy_CometSPersist) {
            if (k.CometEmitting[i] == 0) {
                k.CometActive[j] = 0;
                k.CometLive[i] = static_cast<std::int16_t>(k.CometLive[i] - 1);
            } else {
                EmitParticle(k, j, frame, t);
            }
            continue;
        }
        k.ParticleX[j] += k.ParticleVX[j];
        k.ParticleY[j] += k.ParticleVY[j];
        k.ParticleZ[j] += k.ParticleVZ[j];
        if (!(static_cast<double>(offZ) + k.ParticleZ[j] > 0)) continue;
        if (k.ParticleAge[j] < kCometParticleLastAge) {
            DrawParticle(k, j, offX, offY, offZ, ramp);
            // Ages stop at the last one: nothing older is drawn anyway.
            k.ParticleAge[j] = static_cast<std::int16_t>(k.ParticleAge[j] + 1);
        }
    }
}

}  // namespace

std::int16_t CometCountFor(const RunContext& run, std::int16_t type) {
    const std::int32_t stars = IsGalaxyType(type) ? run.types[type].Galaxy_CometStars : 1;
    return static_cast<std::int16_t>(std::min<std::int32_t>(kCometParticles / std::max(1, stars), kMostComets));
}

void AllocateCometArrays(CometTable& comets) { comets.AllocateHeads(); }

void InitComets(const RunContext& run, CometTable& comets, std::int16_t visit, std::int16_t type) {
    if (visit > 0) std::fill(comets.CometActive.begin(), comets.CometActive.end(), std::uint8_t{0});
    comets.CometCount = CometCountFor(run, type);
    AllocateCometArrays(comets);
}

void CycleComets(const RunContext& run, CometTable& comets, GalaxyPathTables& paths, float offX, float offY, float offZ,
                 std::int16_t galaxy, std::int16_t type, std::int16_t tourStep) {
    if (!IsGalaxyType(type)) return;
    const UniGalaxy& t = run.types[type];
    const std::int32_t perComet = std::max<std::int32_t>(t.Galaxy_CometStars, 0);
    const std::int32_t count = std::clamp<std::int32_t>(comets.CometCount, 0, comets.HeadCount());
    if (comets.HeadCount() == 0) return;

    Launch(run, comets, type, galaxy, tourStep, count, perComet, paths);
    for (std::int32_t i = 0; i < count; ++i) {
        if (comets.CometLive[i] > 0) {
            MoveHead(comets, i, t, galaxy, paths);
            const HeadFrame frame = FrameOfHead(comets, i, t);
            CycleParticles(comets, i, ParticlesOf(comets, i, perComet), frame, t, offX, offY, offZ,
                           run.colours.TypeHueRamps[type]);
        }
        const double stop = RandomFraction();
        if (stop > t.Galaxy_CometCPersist || tourStep < kFirstLaunchStep) comets.CometEmitting[i] = 0;
    }
}

}  // namespace orbweave
