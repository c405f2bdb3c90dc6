#include "renderer/display/run_state.h"

#include <cstdlib>

namespace orbweave {

RunState runState;

void ResetRunState() { runState = RunState{}; }

namespace {

std::function<void(int)>& EndHandler() {
    static std::function<void(int)> handler;
    return handler;
}

}  // namespace

void EndProcess(int status) {
    if (EndHandler()) {
        EndHandler()(status);
        return;
    }
    std::exit(status);
}

void SetEndProcessHandler(std::function<void(int status)> handler) { EndHandler() = std::move(handler); }

}  // namespace orbweave
