// Star placement: from a star's position in its galaxy's frame to the
// camera's axes and to a pixel of the work image.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orbweave {

// A point in camera space: across and up, and its depth in front of the camera.
struct CameraPoint {
    float u = 0;
    float v = 0;
    float depth = 0;
};

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A star turned by its level's tilt (cosine c, sine s) and moved to its
// galaxy's place relative to the camera. The galaxy's disc (X-Z) faces the
// camera's X axis, or its Y axis when the type's axis plane is nonzero.
CameraPoint PlaceInCamera(float x, float y, float z, float levelCos, float levelSin, std::int16_t axisPlane, float relX,
                          float relY, float relZ);

// The pixel of a camera-space point in front of the camera: scaled by the
// focal distance over the depth, moved to the projection centre, rounded.
// Empty when the depth is not positive or the pixel is off-screen.
std::optional<ScreenPoint> ProjectToScreen(const CameraPoint& point);

// A rounded screen coordinate (halves to even), or empty when the value is
// not finite or rounds beyond ±2^30: such a point is off-screen whatever is
// added to it. Inline and range-checked before rounding: it runs for every
// star of every frame, and a call that returns the optional through memory
// and rounds through the library costs a sixth of a busy frame.
inline std::optional<std::int64_t> ScreenCoordinate(double value) {
    // 2^30 + 1/2 still rounds to the even 2^30; NaN fails the comparison.
    constexpr double kLargestRoundingInside = 1073741824.5;
    if (!(std::fabs(value) <= kLargestRoundingInside)) return std::nullopt;
#if defined(__SSE2__)
    // The conversion rounds in the current mode, to even as nearbyint does.
    return _mm_cvtsd_si64(_mm_set_sd(value));
#else
    return static_cast<std::int64_t>(std::nearbyint(value));
#endif
}

}  // namespace orbweave
