// The program's random numbers: one table of 16384 small integers filled once
// per process, walked by two independent cursors (one for fractions, one for
// whole numbers). A draw replaces the entry under the cursor by its exclusive-or
// with the next entry and returns the new value, so the per-star work of a
// frame stays a few integer operations. Only the user-interface thread draws.
#pragma once

#include <array>
#include <cstdint>

namespace orbweave {

inline constexpr std::int32_t kRandTableSize = 16384;
inline constexpr std::int32_t kRandIndexMask = kRandTableSize - 1;

// The process-wide table. Until it is filled every draw yields 0.
extern std::array<std::int32_t, kRandTableSize> RandTable;

// Fills the table from a generator seeded by the clock; called once at start.
void InitRandomTable();

// Fills the table from a fixed seed and puts both cursors back at entry 0,
// so tests and benchmarks replay identical sequences.
void SeedRandomTable(std::uint32_t seed);

namespace detail {
// The cursors belong to the draw operations; both start at entry 0.
struct RandomCursors {
    std::int32_t fraction = 0;
    std::int32_t integer = 0;
};
extern RandomCursors randomCursors;

inline std::int32_t DrawRandom(std::int32_t& cursor) {
    const std::int32_t next = (cursor + 1) & kRandIndexMask;
    std::int32_t& entry = RandTable[static_cast<std::size_t>(cursor)];
    entry ^= RandTable[static_cast<std::size_t>(next)];
    cursor = next;
    return entry;
}
}  // namespace detail

// The next fraction, 0 to 32767/32768: the drawn entry divided by 32768.
inline double RandomFraction() {
    constexpr double kScale = 1.0 / 32768.0;
    return detail::DrawRandom(detail::randomCursors.fraction) * kScale;
}

// The next whole number, 0 to 32767.
inline std::int16_t RandomInteger() {
    return static_cast<std::int16_t>(detail::DrawRandom(detail::randomCursors.integer));
}

// A random point on the sphere of radius r around the origin: an even height
// and an even angle, each from one fraction.
void RandomShellPoint(float& x, float& y, float& z, float r);

// Where the next fraction and the next whole number will be drawn.
inline std::int32_t RandomFractionCursor() { return detail::randomCursors.fraction; }
inline std::int32_t RandomIntegerCursor() { return detail::randomCursors.integer; }

}  // namespace orbweave
