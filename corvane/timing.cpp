// A timing loop, kept as the library's published way to measure call cost.
#include "corvane/corvane.h"

namespace {

// 2 pi and 4 pi millionths, as single-precision constants.
constexpr float kFirstStep = 6.2831855e-6f;
constexpr float kSecondStep = 1.2566371e-5f;

}  // namespace

extern "C" int32_t TestingPerformance(int32_t count, int32_t /*ignored*/) {
    // Volatile so that the loop really runs: its time is its purpose.
    volatile float first = 0;
    volatile float second = 0;
    for (int32_t i = 0; i < count; ++i) {
        first = first + kFirstStep;
        second = second + kSecondStep;
    }
    return count > 0 ? 0 : count;
}
