// Star placement: from a star's position in its galaxy's frame to the
// camera's axes and to a pixel of the work image.
#pragma once

#include <cstdint>
#include <optional>

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

// A rounded screen coordinate, or empty when the value is not finite or lies
// beyond ±2^30: such a point is off-screen whatever is added to it.
std::optional<std::int64_t> ScreenCoordinate(double value);

}  // namespace orbweave
