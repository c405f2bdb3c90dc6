#pragma once

// The performance report of a full-screen run: a block of seven lines
// appended to "VelmorPerf.log" in the current folder when "DX_WriteLog" is
// on and the renderer has written a statistics line.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "renderer/display/presentation.h"

namespace orbweave {

inline constexpr std::string_view kPerfLogName = "VelmorPerf.log";
inline constexpr std::size_t kPerfReportLines = 7;

// The figures the report prints, as the renderer leaves them.
struct PerfFigures {
    bool useFlip = false;
    std::int32_t pixelFormat = 0;
    bool fullScreenExclusive = false;
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t pitchPixels = 0;
    std::int32_t currentBlend = 0;
    std::int32_t frameDelayMs = 0;
    // The statistics line, the star count and the seconds spent computing
    // (outside the presentation), blending and presenting.
    RunPerformance measured;
};

// The program's version as major.minor.revision: the numbers that open
// kProductVersion, the parts it leaves out 0 ("5.0g" gives 5.0.0).
std::string ProgramVersion();

// The seven lines, without line ends. A share of a total time of 0 prints 0.
std::array<std::string, kPerfReportLines> FormatPerfReport(const PerfFigures& figures);

// The figures of the run that just ended.
PerfFigures CurrentPerfFigures();

// Appends the lines, each ended by CR LF; false when the file cannot be
// written.
bool AppendPerfReport(const std::filesystem::path& file, const std::array<std::string, kPerfReportLines>& lines);

}  // namespace orbweave
