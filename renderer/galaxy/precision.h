// The renderer's precision rule: values it stores are single precision, the
// arithmetic between them is double. These helpers keep a single-precision
// argument from selecting the float overloads of the standard functions.
#pragma once

#include <cmath>

namespace orbweave {

inline float Single(double value) { return static_cast<float>(value); }
inline double Cos(double radians) { return std::cos(radians); }
inline double Sin(double radians) { return std::sin(radians); }

}  // namespace orbweave
