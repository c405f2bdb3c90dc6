// The tables of one animation: its stars, its galaxies and the per-galaxy
// path tables the star generators read. The loop that owns an animation
// allocates them once, passes them by reference to the per-frame procedures
// and releases them when it returns; nothing per frame ever resizes them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orbweave {

// Every star of the animation, one element per star in each parallel array.
// Positions are in the owning galaxy's own frame (Y up, the disc in X-Z).
struct StarTable {
    std::vector<float> StarX, StarY, StarZ;
    // Velocity per frame; for damped waves StarVY holds the wave phase.
    std::vector<float> StarVX, StarVY, StarVZ;
    // Cosine and sine of the star's own rotation step per frame.
    std::vector<float> StarOrbitCos, StarOrbitSin;
    std::vector<std::int32_t> StarColor;
    std::vector<float> StarHue;
    std::vector<std::int16_t> StarMember;  // galaxy type 0..49 whose rules move it
    std::vector<std::int16_t> StarGalaxy;  // universe galaxy it belongs to
    std::vector<std::int16_t> StarLevel;   // tilt level 0..9
    std::vector<std::int32_t> StarAge;
    std::vector<std::int16_t> StarExtra;
    std::vector<std::int16_t> NewCountdown, NovaCountdown, PulsarCountdown;
    std::vector<std::int16_t> EventFrames;
    std::vector<float> EventExt;

    // Sizes every array to `count` stars, all zero.
    void Allocate(std::int32_t count);
    std::int32_t Count() const { return static_cast<std::int32_t>(StarX.size()); }
};

// Every galaxy of the universe (one for the single-galaxy display).
struct GalaxyTable {
    std::vector<std::int16_t> GalType;  // type slot 0..65; 50 and up are composites
    std::vector<float> GalX, GalY, GalZ;
    std::vector<float> GalVX, GalVY, GalVZ;
    std::vector<float> GalRelX, GalRelY, GalRelZ;

    void Allocate(std::int32_t count);
    std::int32_t Count() const { return static_cast<std::int32_t>(GalType.size()); }
};

// The free stars between the galaxies, in universe coordinates.
struct AmbientTable {
    std::vector<float> AmbX, AmbY, AmbZ;
    std::vector<float> AmbVX, AmbVY, AmbVZ;
    std::vector<std::int16_t> AmbFrames;  // birth-flash frames left
    std::vector<float> AmbAge;

    void Allocate(std::int32_t count);
    std::int32_t Count() const { return static_cast<std::int32_t>(AmbX.size()); }
};

// At most 200 comets fly at once (head slot 200 is never launched) and they
// share 5000 particles: comet k owns particles k x n to (k + 1) x n - 1, n
// being the comet star count of the comet type.
inline constexpr int kCometHeadSlots = 201;
inline constexpr std::int16_t kMostComets = 200;
inline constexpr int kCometParticles = 5000;

// The comets of the galaxy the camera looks at.
struct CometTable {
    // Heads, one per comet slot.
    std::vector<std::uint8_t> CometEmitting;  // 1 while the comet sheds particles
    std::vector<std::int16_t> CometLive;      // its particles still alive; 0 = slot free
    std::vector<std::int16_t> CometLevel;     // tilt level 0..9 of the head
    std::vector<float> CometHeadX, CometHeadY, CometHeadZ;
    std::vector<float> CometHeadVX, CometHeadVY, CometHeadVZ;
    std::vector<float> CometRotCos, CometRotSin;
    std::vector<float> CometPathT;  // place along the nebula ribbon
    // Particles: position relative to the galaxy centre in camera axes,
    // velocity per frame, frames shown and whether the slot is in use.
    std::vector<float> ParticleX, ParticleY, ParticleZ;
    std::vector<float> ParticleVX, ParticleVY, ParticleVZ;
    std::vector<std::int16_t> ParticleAge;
    std::vector<std::uint8_t> CometActive;
    std::int16_t CometCount = 0;  // comet slots in use

    // Every head zero (the particles and the count are kept).
    void AllocateHeads();
    // Every particle zero and free.
    void AllocateParticles();
    std::int32_t HeadCount() const { return static_cast<std::int32_t>(CometLive.size()); }
    std::int32_t ParticleCount() const { return static_cast<std::int32_t>(ParticleX.size()); }
};

// A nebula ribbon has up to 20 control points plus three that close or
// extend it; each control point wanders between four keys.
inline constexpr int kNebulaPointCount = 23;
inline constexpr int kNebulaKeyCount = 4;
inline constexpr int kFigurePointCount = 10;

using NebulaPoints = std::array<float, kNebulaPointCount>;
using NebulaKeys = std::array<std::array<float, kNebulaKeyCount>, kNebulaPointCount>;

// The vertices of one galaxy's I.F.S. figure.
struct FigurePoints {
    std::array<float, kFigurePointCount> X{}, Y{}, Z{};
};

// The path tables of the displayed galaxies, one row per galaxy.
struct GalaxyPathTables {
    std::vector<float> NebulaPhase;
    std::vector<NebulaPoints> NebulaCtrlX, NebulaCtrlY, NebulaCtrlZ;
    std::vector<NebulaKeys> NebulaKeyX, NebulaKeyY, NebulaKeyZ;
    std::vector<FigurePoints> Figure;
    // The current point of each galaxy's I.F.S. chain and its step counter.
    std::vector<float> IfsPointX, IfsPointY, IfsPointZ;
    std::vector<std::int16_t> IfsStepCount;

    // Sizes every table to `count` galaxies, all zero.
    void Allocate(std::int32_t count);
    std::int32_t Count() const { return static_cast<std::int32_t>(NebulaPhase.size()); }
};

// The one-galaxy shapes of the universe's start cloud.
struct StartCloudPaths {
    FigurePoints UniFigure;
    float UniIfsPointX = 0, UniIfsPointY = 0, UniIfsPointZ = 0;
    NebulaPoints UniNebulaCtrlX{}, UniNebulaCtrlY{}, UniNebulaCtrlZ{};
    // Steps of the style-1 chain while no galaxy table exists; the chain
    // otherwise shares the counter of galaxy 0.
    std::int16_t SpareStepCount = 0;
};

// Every table of a universe run, allocated once by the run and reused by
// each epoch.
struct UniverseTables {
    GalaxyTable galaxies;
    StarTable stars;
    AmbientTable ambient;
    CometTable comets;
    GalaxyPathTables paths;
    StartCloudPaths cloud;
};

}  // namespace orbweave
