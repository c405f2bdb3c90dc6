// A long universe run keeps its memory flat: whatever a frame allocates is
// given back, so a saver left running overnight does not grow.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <map>

#include "renderer/headless/headless_run.h"

namespace orbweave::headless {
namespace {

std::int64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t sizePages = 0;
    std::int64_t residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * ::sysconf(_SC_PAGESIZE);
}

TEST(LongRun, AUniverseRunOfFiveThousandFramesDoesNotKeepGrowing) {
    constexpr std::int64_t kMiB = 1024 * 1024;
    std::map<std::int64_t, std::int64_t> resident;  // frame -> bytes
    RunOptions options;
    options.scene = Scene::Universe;
    options.width = 320;
    options.height = 240;
    options.frames = 5000;
    options.keepFrames = false;
    // Fewer stars keep the run short; the frame loop, epochs and the tour
    // still run as in the saver.
    options.universeValues = {{"Universe_Stars", "3000"}, {"Universe_ESteps", "60"}, {"Universe_GSteps", "60"}};
    options.onFrame = [&resident](std::int64_t frame, const display::Frame&) {
        if (frame % 1000 == 0) resident[frame] = ResidentBytes();
    };
    ASSERT_TRUE(RunHeadless(options));
    ASSERT_EQ(resident.size(), 5u);
    // The first frames allocate the run's tables; after that the resident
    // size may wander by a few pages but not climb with the frame count. A
    // record of 185 bytes a frame (the display's old call log) grows 1.5 MiB
    // over the last three thousand frames; a settled run grows under 64 KiB.
    const std::int64_t settled = resident[2000];
    EXPECT_LT(resident[5000] - settled, kMiB / 2)
        << "resident at frame 2000: " << settled << " bytes, at 5000: " << resident[5000] << " bytes";
}

}  // namespace
}  // namespace orbweave::headless
