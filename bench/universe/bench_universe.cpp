// bench-universe: the universe run headless on the memory backend, from a
// fixed seed, through its creation phase and into the tour. Prints one line
// per universe and size:
//   universe <name> <W>x<H> ms_per_frame=<total> stars_ms=<stars, comets,
//   ambient stars> blend_ms=<blending and presenting>
// The default universe is the factory one; the stress universe has the
// largest star, galaxy and ambient counts, gravity every frame and the
// highest new-star rate.
#include <charconv>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "renderer/headless/headless_run.h"

namespace {

using orbweave::headless::RunOptions;
using orbweave::headless::RunTimes;

// The creation phase (500 frames by default) and the first leg of the tour.
constexpr std::int64_t kFrames = 1000;
constexpr std::uint32_t kSeed = 7;

struct Universe {
    const char* name;
    std::vector<std::pair<std::string, std::string>> values;
};

const Universe kDefault{"default", {}};
const Universe kStress{"stress",
                       {{"Universe_Stars", "99999"},
                        {"Universe_Galaxy", "999"},
                        {"Universe_AmStar", "9999"},
                        {"Universe_GravForce", "1000"},
                        {"Universe_GravFrame", "1"},
                        {"Universe_NewFreq", "9999"}}};

std::string MsText(double ms) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, ms, std::chars_format::fixed, 2);
    return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

bool Measure(const Universe& universe, int width, int height) {
    RunOptions options;
    options.width = width;
    options.height = height;
    options.seed = kSeed;
    options.frames = kFrames;
    options.keepFrames = false;
    options.universeValues = universe.values;
    RunTimes times;
    if (!orbweave::headless::RunHeadless(options, &times) || times.frames < 1) {
        std::fprintf(stderr, "bench-universe: the %s universe did not run\n", universe.name);
        return false;
    }
    const double total = times.totalMs / times.frames;
    const double blend = times.presentMs / times.frames;
    std::printf("universe %s %dx%d ms_per_frame=%s stars_ms=%s blend_ms=%s\n", universe.name, width, height,
                MsText(total).c_str(), MsText(total - blend).c_str(), MsText(blend).c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main() {
    const bool ok = Measure(kDefault, 640, 480) && Measure(kDefault, 1920, 1080) && Measure(kDefault, 3840, 2160) &&
                    Measure(kStress, 1920, 1080);
    return ok ? 0 : 1;
}
