#pragma once

// The yield every animation frame makes to the window system: one pass over
// Qt's pending events, then SDL's, then the trace's frame count. It also
// notes which event loop the animation was started from, so that a stop
// signal closes a window only once no animation draws into it or will
// restore it when it unwinds (host/stop_signals.h).

namespace orbweave {

// The frame pacer's event pump (renderer/display/pacing.h) that the
// program installs.
void FrameYield();

// True while an animation loop runs under the handler that the running
// event loop has called: its frame's yield is on the stack, and no modal
// window has opened an event loop of its own above it since.
bool AnimationRunsHere();

}  // namespace orbweave
