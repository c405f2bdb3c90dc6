#include "host/frame_yield.h"

#include <QCoreApplication>
#include <QThread>
#include <utility>

#include "host/trace.h"
#include "platform/display/window_events.h"

namespace orbweave {

namespace {

constexpr int kNoAnimation = -1;

// The event-loop level of the innermost frame yield on the stack.
int yieldLevel = kNoAnimation;

// How many event loops (the application's, a modal window's) are running.
int EventLoopLevel() { return QThread::currentThread()->loopLevel(); }

}  // namespace

void FrameYield() {
    if (QCoreApplication::instance() != nullptr) {
        const int outer = std::exchange(yieldLevel, EventLoopLevel());
        QCoreApplication::processEvents();
        yieldLevel = outer;
    }
    display::PumpSdlEvents();
    CountTracedFrame();
}

bool AnimationRunsHere() { return yieldLevel != kNoAnimation && yieldLevel == EventLoopLevel(); }

}  // namespace orbweave
