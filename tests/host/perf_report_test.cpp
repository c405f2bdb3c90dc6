#include "host/perf_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orbweave {
namespace {

PerfFigures SampleFigures() {
    PerfFigures f;
    f.useFlip = true;
    f.pixelFormat = 32;
    f.fullScreenExclusive = true;
    f.screenWidth = 640;
    f.screenHeight = 480;
    f.pitchPixels = 640;
    f.currentBlend = 84;
    f.frameDelayMs = 25;
    f.measured.pixelCount = 18000;
    f.measured.line = "12/08/2026 08:11 PM   Frames: 100   Time: 00:00:00:03   FPS: 33.67";
    f.measured.idleTime = 42.5;
    f.measured.blendTime = 15.25;
    f.measured.presentTime = 42.25;
    return f;
}

TEST(PerfReport, SevenLinesDescribeTheRun) {
    const auto lines = FormatPerfReport(SampleFigures());
    EXPECT_EQ(lines[0], std::string(120, '-'));
    EXPECT_EQ(lines[1],
              "Orbweave 5.0g  5.0.0   Flip  32-bpp   DXMode: 640*480   Pitch: 640   Blend: 84"
              "   Delay: 25   Pixels: 18000");
    EXPECT_EQ(lines[2], "12/08/2026 08:11 PM   Frames: 100   Time: 00:00:00:03   FPS: 33.67");
    EXPECT_EQ(lines[3], "   Math     :       42    42.50 %");
    EXPECT_EQ(lines[4], "   Blending :       15    15.25 %");
    EXPECT_EQ(lines[5], "   Blt/Flip :       42    42.25 %");
    EXPECT_EQ(lines[6], "   Total    :      100   100.00 %");
}

TEST(PerfReport, BlitAndCustomLayoutsAreNamed) {
    PerfFigures f = SampleFigures();
    f.useFlip = false;
    f.fullScreenExclusive = false;
    f.pixelFormat = 16;
    EXPECT_EQ(FormatPerfReport(f)[1],
              "Orbweave 5.0g  5.0.0   Blit  16-bpp   Custom: 640*480   Pitch: 640   Blend: 84"
              "   Delay: 25   Pixels: 18000");
}

TEST(PerfReport, SharesBelowOnePercentHaveNoLeadingZero) {
    PerfFigures f = SampleFigures();
    f.measured.idleTime = 0.75;
    f.measured.blendTime = 99.25;
    f.measured.presentTime = 0;
    const auto lines = FormatPerfReport(f);
    EXPECT_EQ(lines[3], "   Math     :        0      .75 %");
    EXPECT_EQ(lines[5], "   Blt/Flip :        0      .00 %");
}

TEST(PerfReport, AZeroTotalPrintsZeroShares) {
    PerfFigures f = SampleFigures();
    f.measured.idleTime = f.measured.blendTime = f.measured.presentTime = 0;
    const auto lines = FormatPerfReport(f);
    EXPECT_EQ(lines[3], "   Math     :        0      .00 %");
    EXPECT_EQ(lines[4], "   Blending :        0      .00 %");
    EXPECT_EQ(lines[5], "   Blt/Flip :        0      .00 %");
    EXPECT_EQ(lines[6], "   Total    :        0   100.00 %");
}

TEST(PerfReport, TimesWiderThanTheColumnArePrintedWhole) {
    PerfFigures f = SampleFigures();
    f.measured.idleTime = 123456789.9;
    EXPECT_TRUE(FormatPerfReport(f)[3].starts_with("   Math     :  123456789   ")) << FormatPerfReport(f)[3];
}

TEST(PerfReport, EachRunAppendsOneBlockWithCrLfLineEnds) {
    const auto file = std::filesystem::temp_directory_path() / ("orbweave-perf-" + std::to_string(::getpid()) + ".log");
    std::filesystem::remove(file);
    const auto lines = FormatPerfReport(SampleFigures());
    ASSERT_TRUE(AppendPerfReport(file, lines));
    ASSERT_TRUE(AppendPerfReport(file, lines));

    std::string block;
    for (const auto& line : lines) {
        block += line + "\r\n";
    }
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), block + block);
    std::filesystem::remove(file);
}

TEST(PerfReport, AnUnwritableFileIsReported) {
    EXPECT_FALSE(AppendPerfReport("/nonexistent-folder/VelmorPerf.log", FormatPerfReport(SampleFigures())));
}

}  // namespace
}  // namespace orbweave
