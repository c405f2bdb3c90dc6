// The pull of gravity wells, shared by both gravity-well plotters.
#pragma once

namespace orbweave::corvane {

// Added to every squared distance so that a particle sitting on a well is
// pulled with a large but finite force instead of dividing by zero.
inline constexpr double kWellGuard = 1e-9;

// Velocity change factor towards a well at squared distance distance2:
// velocity += difference * factor.
inline double WellPull(double strength, double distance2) { return strength / (distance2 + kWellGuard); }

}  // namespace orbweave::corvane
