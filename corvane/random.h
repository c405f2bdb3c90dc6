// The library's random numbers: a generator with the constants of the common
// C library `rand`, and a table of 16384 of its values with three draws that
// each keep their own index. All state is process-wide, as the library has
// only one caller thread.
#pragma once

#include <array>
#include <cstdint>

namespace orbweave::corvane {

inline constexpr int32_t kRandomTableSize = 16384;

// Scale of a 15-bit value to a fraction in [0, 1).
inline constexpr double kRandomScale = 1.0 / 32768.0;

// The next value of the generator, in 0..32767 (seed 1 before the first call).
int32_t NextRand();

// Fills the table with the next 16384 values of the generator.
void FillRandomTable();

// Replaces entry i by entry i xor entry i + 1, moves i on and returns the new
// entry i (as a fraction for NextRandomFloat).
double NextRandomFloat();
int32_t NextRandomInt();
// Moves its index on and returns that entry, changing nothing.
int32_t PeekRandomInt();

// The table itself, for the starfield's own draw and for tests.
std::array<int32_t, kRandomTableSize>& RandomTable();

// Returns every index and the generator to their state at load (for tests).
void ResetRandomState();

}  // namespace orbweave::corvane
