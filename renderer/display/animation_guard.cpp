#include "renderer/display/animation_guard.h"

namespace orbweave {
namespace {

bool running = false;

}  // namespace

AnimationGuard::AnimationGuard() : entered_(!running) { running = true; }

AnimationGuard::~AnimationGuard() {
    if (entered_) running = false;
}

bool AnimationRunning() { return running; }

}  // namespace orbweave
