#pragma once

// When mouse movement ends the full-screen saver: the fourth counted
// movement, a movement being counted when it ends more than 75 pixels from
// the last counted position (which starts at the window's top-left corner).
// When the second or third counted movement comes more than 10 seconds after
// the first of its series, the count starts again; once three are counted,
// the fourth closes the saver whenever it comes.

#include <cstdint>
#include <functional>

namespace orbweave {

inline constexpr double kMouseCountedDistance = 75.0;
inline constexpr int kMouseMovesToClose = 4;
inline constexpr std::int64_t kMouseSeriesMs = 10000;

class MouseMoveRule {
public:
    // clock: monotonic milliseconds.
    explicit MouseMoveRule(std::function<std::int64_t()> clock);

    // One mouse position in the window's pixels; true when this movement
    // closes the saver.
    bool Move(double x, double y);

    int CountedMoves() const { return countedMoves_; }

private:
    std::function<std::int64_t()> clock_;
    int countedMoves_ = 0;
    // A series starts with its first counted movement; its time is kept
    // apart from the flag, so any clock value (0 included) is a valid start.
    bool seriesStarted_ = false;
    std::int64_t firstCountedTick_ = 0;
    float lastX_ = 0.0f;
    float lastY_ = 0.0f;
};

}  // namespace orbweave
