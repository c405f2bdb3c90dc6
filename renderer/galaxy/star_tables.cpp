#include "renderer/galaxy/star_tables.h"

#include <algorithm>

namespace orbweave {
namespace {

template <typename T>
void Reset(std::vector<T>& table, std::int32_t count) {
    table.assign(static_cast<std::size_t>(std::max<std::int32_t>(count, 0)), T{});
}

template <typename... Tables>
void ResetAll(std::int32_t count, Tables&... tables) {
    (Reset(tables, count), ...);
}

}  // namespace

void StarTable::Allocate(std::int32_t count) {
    ResetAll(count, StarX, StarY, StarZ, StarVX, StarVY, StarVZ, StarOrbitCos, StarOrbitSin, StarColor, StarHue,
             StarMember, StarGalaxy, StarLevel, StarAge, StarExtra, NewCountdown, NovaCountdown, PulsarCountdown,
             EventFrames, EventExt);
}

void GalaxyTable::Allocate(std::int32_t count) {
    ResetAll(count, GalType, GalX, GalY, GalZ, GalVX, GalVY, GalVZ, GalRelX, GalRelY, GalRelZ);
}

void AmbientTable::Allocate(std::int32_t count) {
    ResetAll(count, AmbX, AmbY, AmbZ, AmbVX, AmbVY, AmbVZ, AmbFrames, AmbAge);
}

void CometTable::AllocateHeads() {
    ResetAll(kCometHeadSlots, CometEmitting, CometLive, CometLevel, CometHeadX, CometHeadY, CometHeadZ, CometHeadVX,
             CometHeadVY, CometHeadVZ, CometRotCos, CometRotSin, CometPathT);
}

void CometTable::AllocateParticles() {
    ResetAll(kCometParticles, ParticleX, ParticleY, ParticleZ, ParticleVX, ParticleVY, ParticleVZ, ParticleAge,
             CometActive);
}

void GalaxyPathTables::Allocate(std::int32_t count) {
    ResetAll(count, NebulaPhase, NebulaCtrlX, NebulaCtrlY, NebulaCtrlZ, NebulaKeyX, NebulaKeyY, NebulaKeyZ, Figure,
             IfsPointX, IfsPointY, IfsPointZ, IfsStepCount);
}

}  // namespace orbweave
