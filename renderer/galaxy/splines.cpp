#include "renderer/galaxy/splines.h"

#include <algorithm>

namespace orbweave {
namespace {

// The basis is scaled by a sixth held in single precision, as a product.
constexpr double kSixth = static_cast<double>(0.16666667f);

bool Within(std::int64_t index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

template <typename Row>
bool RowsHold(const std::vector<Row>& x, const std::vector<Row>& y, const std::vector<Row>& z, std::int16_t g) {
    return Within(g, x.size()) && Within(g, y.size()) && Within(g, z.size());
}

}  // namespace

float SplineValue(float p0, float p1, float p2, float p3, float t) {
    const double a = p0, b = p1, c = p2, d = p3, u = t;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double value = (-a + 3.0 * b - 3.0 * c + d) * u3 + (3.0 * a - 6.0 * b + 3.0 * c) * u2 +
                         (-3.0 * a + 3.0 * c) * u + (a + 4.0 * b + c);
    return static_cast<float>(value * kSixth);
}

void SplineCameraPoint(float& x, float& y, float& z, float t, const std::array<float, 4>& controlX,
                       const std::array<float, 4>& controlY, const std::array<float, 4>& controlZ) {
    x = SplineValue(controlX[0], controlX[1], controlX[2], controlX[3], t);
    y = SplineValue(controlY[0], controlY[1], controlY[2], controlY[3], t);
    z = SplineValue(controlZ[0], controlZ[1], controlZ[2], controlZ[3], t);
}

void SplinePathPoint(float& x, float& y, float& z, float t, std::int16_t i0, std::int16_t i1, std::int16_t i2,
                     std::int16_t i3, std::span<const float> controlX, std::span<const float> controlY,
                     std::span<const float> controlZ) {
    const std::size_t size = std::min({controlX.size(), controlY.size(), controlZ.size()});
    if (!Within(i0, size) || !Within(i1, size) || !Within(i2, size) || !Within(i3, size)) return;
    x = SplineValue(controlX[i0], controlX[i1], controlX[i2], controlX[i3], t);
    y = SplineValue(controlY[i0], controlY[i1], controlY[i2], controlY[i3], t);
    z = SplineValue(controlZ[i0], controlZ[i1], controlZ[i2], controlZ[i3], t);
}

void SplineNebulaPoint(float& x, float& y, float& z, float t, std::int16_t g, std::int16_t i0, std::int16_t i1,
                       std::int16_t i2, std::int16_t i3, const std::vector<NebulaPoints>& controlX,
                       const std::vector<NebulaPoints>& controlY, const std::vector<NebulaPoints>& controlZ) {
    if (!RowsHold(controlX, controlY, controlZ, g)) return;
    SplinePathPoint(x, y, z, t, i0, i1, i2, i3, controlX[g], controlY[g], controlZ[g]);
}

void SplineControlPoint(float& x, float& y, float& z, float t, std::int16_t g, std::int16_t p,
                        const std::vector<NebulaKeys>& keysX, const std::vector<NebulaKeys>& keysY,
                        const std::vector<NebulaKeys>& keysZ) {
    if (!RowsHold(keysX, keysY, keysZ, g) || !Within(p, kNebulaPointCount)) return;
    const auto& kx = keysX[g][p];
    const auto& ky = keysY[g][p];
    const auto& kz = keysZ[g][p];
    x = SplineValue(kx[0], kx[1], kx[2], kx[3], t);
    y = SplineValue(ky[0], ky[1], ky[2], ky[3], t);
    z = SplineValue(kz[0], kz[1], kz[2], kz[3], t);
}

}  // namespace orbweave
