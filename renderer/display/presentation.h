// One frame onto the screen: blend the work image into the back surface with
// Corvane, draw the message overlay, flip or blit, and keep the frame
// statistics of the performance report.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace orbweave {

// Blends the work image into the screen at `level` and records the level in
// the display state. Level 0 copies the work image and clears it.
void BlendBlitSurface(std::int32_t level);

inline constexpr std::int32_t kBlendFactorBase = 720;
inline constexpr std::int32_t kFramesPerBatch = 100;

// What a run measures for the performance report, in one record: the
// presentation adds the times and writes the statistics line, the universe
// run leaves its star count.
struct RunPerformance {
    // The latest statistics line (empty until the first batch of 100 frames).
    std::string line;
    // The star count of the current universe run.
    std::int32_t pixelCount = 0;
    // Seconds spent outside the presentation, blending and presenting; double
    // so that long runs keep adding small frame times.
    double idleTime = 0.0;
    double blendTime = 0.0;
    double presentTime = 0.0;
};

extern RunPerformance runPerformance;

// The statistics line for `batches` finished batches of 100 frames that took
// `totalSeconds`, stamped with `when` (local time).
std::string FormatPerfLine(const std::tm& when, double totalSeconds, std::int32_t batches);

// Forgets the batches counted so far and everything the record holds (the
// statistics otherwise live as long as the process).
void ResetFrameStatistics();

}  // namespace orbweave
