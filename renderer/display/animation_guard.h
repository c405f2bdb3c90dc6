// Only one animation runs at a time. Every animation loop pumps events once
// per frame, and a handler running there must not start a second loop over
// the same process-wide tables and display; the guard refuses it.
#pragma once

namespace orbweave {

class AnimationGuard {
public:
    // Enters when no animation runs.
    AnimationGuard();
    ~AnimationGuard();
    AnimationGuard(const AnimationGuard&) = delete;
    AnimationGuard& operator=(const AnimationGuard&) = delete;

    bool Entered() const { return entered_; }

private:
    bool entered_;
};

// True while an animation loop is on the stack.
bool AnimationRunning();

}  // namespace orbweave
