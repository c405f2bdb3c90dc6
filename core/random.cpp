#include "core/random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace orbweave {

std::array<std::int32_t, kRandTableSize> RandTable{};
detail::RandomCursors detail::randomCursors;

// Entries are the whole part of u x 32767 for a uniform u in [0, 1), so they
// lie in 0 to 32766; a draw keeps them below 32768.
constexpr double kFillFactor = 32767.0;

void SeedRandomTable(std::uint32_t seed) {
    std::mt19937 generator(seed);
    // A single-precision uniform value in [0, 1): the top 24 bits of a draw.
    constexpr float kUnit = 1.0f / 16777216.0f;
    for (auto& entry : RandTable) {
        const float u = static_cast<float>(generator() >> 8) * kUnit;
        entry = static_cast<std::int32_t>(std::floor(static_cast<double>(u) * kFillFactor));
    }
    detail::randomCursors = {};
}

void InitRandomTable() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    SeedRandomTable(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

void RandomShellPoint(float& x, float& y, float& z, float r) {
    constexpr double kFullTurn = 6.28318530717958;
    const double f1 = RandomFraction();
    y = static_cast<float>((f1 + f1) * r - r);
    const double angle = RandomFraction() * kFullTurn;
    const double rSquared = static_cast<double>(r) * r;
    const double ySquared = static_cast<double>(y) * y;
    const float rho = static_cast<float>(std::sqrt(rSquared - ySquared));
    x = static_cast<float>(rho * std::cos(angle));
    z = static_cast<float>(rho * std::sin(angle));
}

}  // namespace orbweave
