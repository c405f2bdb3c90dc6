#include "renderer/galaxy/star_motion.h"

#include <cmath>
#include <limits>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"

namespace orbweave {

void AgeStar(StarTable& stars, std::int32_t i) {
    std::int32_t& age = stars.StarAge[i];
    if (age < std::numeric_limits<std::int32_t>::max()) ++age;
}

bool MoveStar(StarTable& s, std::int32_t i, const UniGalaxy& t, const GravityPull& pull) {
    switch (t.Run_PlotMode) {
    case kPlotOrbit: {
        const double x = s.StarX[i], z = s.StarZ[i], c = s.StarOrbitCos[i], sn = s.StarOrbitSin[i];
        s.StarX[i] = Single(c * x - sn * z);
        s.StarZ[i] = Single(sn * x + c * z);
        return true;
    }
    case kPlotGravity: {
        const double x = s.StarX[i], y = s.StarY[i], z = s.StarZ[i];
        const double a = -pull.strength / (x * x + y * y + z * z + pull.softening);
        s.StarVX[i] = Single(s.StarVX[i] + a * x);
        s.StarVY[i] = Single(s.StarVY[i] + a * y);
        s.StarVZ[i] = Single(s.StarVZ[i] + a * z);
        [[fallthrough]];
    }
    case kPlotStraight:
        s.StarX[i] += s.StarVX[i];
        s.StarY[i] += s.StarVY[i];
        s.StarZ[i] += s.StarVZ[i];
        return true;
    case kPlotWave: {
        AgeStar(s, i);
        s.StarX[i] += s.StarVX[i];
        // StarVY holds the wave's phase.
        s.StarVY[i] = Single(s.StarVY[i] + static_cast<double>(t.Run_WaveStep));
        const double r = t.Run_RadBFillInt;
        const double span = s.StarAge[i] + r;
        s.StarY[i] = span != 0 ? Single(t.Run_WaveAmp * std::sin(s.StarVY[i]) * r / span) : 0.0f;
        s.StarZ[i] += s.StarVZ[i];
        return true;
    }
    default: return false;
    }
}

}  // namespace orbweave
