#include "renderer/galaxy/type_state.h"

#include <cmath>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kFullTurnSingle = static_cast<double>(6.2831855f);
constexpr double kFullHueTurn = 360.0;
constexpr std::int16_t kColourBlack = 4;
constexpr std::int16_t kTrue = -1;

float Advance(float angle, double step, double turn) {
    double next = static_cast<double>(angle) + step;
    if (next > turn) next -= turn;
    return static_cast<float>(next);
}

}  // namespace

void AdvanceGalaxyAngles(GalaxyTypes& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        UniGalaxy& g = types[static_cast<std::size_t>(t)];
        // Levels index ten-entry tables; a type without levels turns none.
        const int levels = g.Galaxy_StdLevels < 1 ? 0 : UsableLevels(g.Galaxy_StdLevels);
        for (int j = 0; j < levels; ++j) {
            g.Run_LevelAngle[j] = Advance(g.Run_LevelAngle[j], g.Run_LevelTiltInc[j], kFullTurnSingle);
            g.Run_LevelCos[j] = Single(Cos(g.Run_LevelAngle[j]));
            g.Run_LevelSin[j] = Single(Sin(g.Run_LevelAngle[j]));
        }
        g.Run_HuePhase = Advance(g.Run_HuePhase, g.Galaxy_HWheelInc, kFullHueTurn);
        g.Run_ArmAngle = Advance(g.Run_ArmAngle, g.Run_KeplerK, kFullTurnSingle);
        g.Run_TiltAngle = Advance(g.Run_TiltAngle, g.Run_RotStep8, kFullTurnSingle);
        g.Run_ArmCos = Single(Cos(g.Run_TiltAngle));
        g.Run_ArmSin = Single(Sin(g.Run_TiltAngle));
    }
}

void SetHueCycleFlags(GalaxyTypes& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        UniGalaxy& g = types[static_cast<std::size_t>(t)];
        const std::int16_t style = g.Galaxy_GalStyle;
        const bool styleCycles =
            (style != kStyleNebula && style != kStyleStarwave) || (style == kStyleNebula && g.Galaxy_CP_AdvHW != 0);
        g.Run_HueCycles = styleCycles && g.Galaxy_ColorComp != kColourBlack ? kTrue : 0;
    }
}

}  // namespace orbweave
