#include "host/mouse_rule.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace orbweave {

MouseMoveRule::MouseMoveRule(std::function<std::int64_t()> clock) : clock_(std::move(clock)) {}

bool MouseMoveRule::Move(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y) || std::hypot(x - lastX_, y - lastY_) <= kMouseCountedDistance) {
        return false;
    }
    ++countedMoves_;
    if (countedMoves_ == kMouseMovesToClose) {
        return true;
    }
    lastX_ = static_cast<float>(x);
    lastY_ = static_cast<float>(y);
    const std::int64_t now = clock_();
    if (!seriesStarted_) {
        seriesStarted_ = true;
        firstCountedTick_ = now;
    } else if (std::llabs(now - firstCountedTick_) > kMouseSeriesMs) {
        // This movement is dropped; the next counted one starts a new series.
        countedMoves_ = 0;
        seriesStarted_ = false;
    }
    return false;
}

}  // namespace orbweave
