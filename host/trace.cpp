#include "host/trace.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/convert.h"
#include "platform/display/sdl_backend.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"

namespace orbweave {

namespace {

struct Trace {
    std::FILE* file = nullptr;
    std::int64_t frames = 0;
    std::int64_t frameStart = 0;
};

Trace& TraceState() {
    static Trace trace;
    return trace;
}

// The frame's usual yield (Qt's pending events, then SDL's). A frame counts
// once, when its loop has written a new start tick: the preview's pauses
// while its first universe forms yield many times within one frame.
void CountedYield() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    display::PumpSdlEvents();
    Trace& trace = TraceState();
    if (runState.FrameStartTick != trace.frameStart) {
        trace.frameStart = runState.FrameStartTick;
        ++trace.frames;
        TraceEvent("frame");
    }
}

}  // namespace

void StartTrace() {
    const char* path = std::getenv(kTraceVariable);
    if (path == nullptr || *path == '\0' || TraceState().file != nullptr) {
        return;
    }
    // "e": the file is not handed on to programs this one starts.
    TraceState().file = std::fopen(path, "ae");
    if (TraceState().file == nullptr) {
        return;
    }
    SetFramePacer({{}, {}, CountedYield});
}

bool Tracing() { return TraceState().file != nullptr; }

void TraceEvent(std::string_view event) {
    Trace& trace = TraceState();
    if (trace.file == nullptr) {
        return;
    }
    std::string line = IntegerToText(trace.frames);
    line += ' ';
    line += event;
    line += '\n';
    // One write per line, so a reader never sees half a line.
    std::fwrite(line.data(), 1, line.size(), trace.file);
    std::fflush(trace.file);
}

}  // namespace orbweave
