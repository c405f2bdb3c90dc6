#include "corvane/random.h"

#include "corvane/corvane.h"

namespace orbweave::corvane {
namespace {

constexpr uint32_t kMultiplier = 214013;
constexpr uint32_t kIncrement = 2531011;

struct RandomState {
    uint32_t seed = 1;
    std::array<int32_t, kRandomTableSize> table{};
    int32_t floatIndex = 0;
    int32_t intIndex = 0;
    int32_t peekIndex = 0;
};

RandomState state;

int32_t Wrapped(int32_t index) { return index % kRandomTableSize; }

// Mixes entry `index` with the one after it and moves `index` on to that
// entry, whose value is the draw.
int32_t MixAndAdvance(int32_t& index) {
    const int32_t next = Wrapped(index + 1);
    state.table[index] ^= state.table[next];
    index = next;
    return next;
}

}  // namespace

int32_t NextRand() {
    state.seed = state.seed * kMultiplier + kIncrement;
    return static_cast<int32_t>((state.seed >> 16) & 0x7FFF);
}

void FillRandomTable() {
    for (int32_t& entry : state.table) {
        entry = NextRand();
    }
}

double NextRandomFloat() { return state.table[MixAndAdvance(state.floatIndex)] * kRandomScale; }

int32_t NextRandomInt() { return state.table[MixAndAdvance(state.intIndex)]; }

int32_t PeekRandomInt() {
    state.peekIndex = Wrapped(state.peekIndex + 1);
    return state.table[state.peekIndex];
}

std::array<int32_t, kRandomTableSize>& RandomTable() { return state.table; }

void ResetRandomState() { state = RandomState{}; }

}  // namespace orbweave::corvane

extern "C" int32_t InitRandomArray(void) {
    orbweave::corvane::FillRandomTable();
    return 0;
}
