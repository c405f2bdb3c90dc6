#include "renderer/galaxy/projection.h"

#include <cmath>

#include "renderer/display/display_settings.h"
#include "renderer/galaxy/precision.h"

namespace orbweave {
CameraPoint PlaceInCamera(float x, float y, float z, float levelCos, float levelSin, std::int16_t axisPlane, float relX,
                          float relY, float relZ) {
    const double c = levelCos, s = levelSin;
    const double tilted = static_cast<double>(z) * s - static_cast<double>(y) * c;
    CameraPoint point;
    point.depth = Single(static_cast<double>(z) * c + static_cast<double>(y) * s + relZ);
    if (axisPlane == 0) {
        point.u = Single(static_cast<double>(x) + relX);
        point.v = Single(tilted + relY);
    } else {
        point.u = Single(tilted + relX);
        point.v = Single(static_cast<double>(x) + relY);
    }
    return point;
}

std::optional<ScreenPoint> ProjectToScreen(const CameraPoint& point) {
    if (!(point.depth > 0)) return std::nullopt;
    const double scale = static_cast<double>(drawingGeometry.FocalDistance) / point.depth;
    const auto x = ScreenCoordinate(point.u * scale + drawingGeometry.ProjectionCentre.x);
    const auto y = ScreenCoordinate(point.v * scale + drawingGeometry.ProjectionCentre.y);
    if (!x || !y) return std::nullopt;
    return ScreenPoint{static_cast<std::int32_t>(*x), static_cast<std::int32_t>(*y)};
}

}  // namespace orbweave
