#include "host/trace.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/convert.h"
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

}  // namespace

void StartTrace() {
    const char* path = std::getenv(kTraceVariable);
    if (path == nullptr || *path == '\0' || TraceState().file != nullptr) {
        return;
    }
    // "e": the file is not handed on to programs this one starts.
    TraceState().file = std::fopen(path, "ae");
}

bool Tracing() { return TraceState().file != nullptr; }

void CountTracedFrame() {
    Trace& trace = TraceState();
    if (trace.file == nullptr || runState.FrameStartTick == trace.frameStart) {
        return;
    }
    trace.frameStart = runState.FrameStartTick;
    ++trace.frames;
    TraceEvent("frame");
}

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
