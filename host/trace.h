#pragma once

// The run's own account of what it saw, for the end-to-end tests: when
// ORBWEAVE_TRACE names a file, the saver and the preview append one line per
// frame and per event the tests wait on, each headed by the number of frames
// so far. A test then checks "within a frame" against these counts, which a
// loaded machine cannot stretch the way it stretches wall-clock time.
//
// Lines: "<frames> frame" at each frame's yield to the window system,
// "<frames> motion <x> <y> counted <n>" for each mouse movement the saver
// window hears, "<frames> stopped" when an animation loop has returned.

#include <string_view>

namespace orbweave {

inline constexpr const char* kTraceVariable = "ORBWEAVE_TRACE";

// Opens the file named by ORBWEAVE_TRACE (appending) and counts frames from
// then on; does nothing when the variable is unset or empty.
void StartTrace();

// Counts a frame and appends "<frames> frame", when the trace is on and the
// running loop has written a new start tick since the last count: the
// preview's pauses while its first universe forms yield many times within
// one frame. The frame's yield calls it (host/frame_yield.h).
void CountTracedFrame();

// The trace is on: callers skip building lines nobody reads.
bool Tracing();

// Appends "<frames> <event>" when the trace is on.
void TraceEvent(std::string_view event);

}  // namespace orbweave
