#include "host/perf_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>

#include "core/product.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"

namespace orbweave {

namespace {

constexpr std::size_t kRuleWidth = 120;
constexpr std::size_t kTimeColumn = 7;
constexpr std::size_t kShareColumn = 6;
constexpr std::string_view kLineEnd = "\r\n";

std::string PadLeft(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

// Whole seconds, truncated towards zero; a value that is not finite prints 0.
std::string WholeSeconds(double seconds) {
    const double whole = std::isfinite(seconds) ? std::trunc(seconds) : 0.0;
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, whole == 0.0 ? 0.0 : whole, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

// Two decimals with no zero before the point below 1 ("42.50", ".75").
std::string Share(double percent) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    }
    return text;
}

std::string TimeLine(std::string_view label, double seconds, double total) {
    const double percent =
        total > 0.0 && std::isfinite(total) && std::isfinite(seconds) ? seconds / total * 100.0 : 0.0;
    return std::string(label) + PadLeft(WholeSeconds(seconds), kTimeColumn) + "   " +
           PadLeft(Share(percent), kShareColumn) + " %";
}

std::string HeaderLine(const PerfFigures& f) {
    std::string line(kProductTitle);
    line += "  ";
    line += ProgramVersion();
    line += f.useFlip ? "   Flip" : "   Blit";
    line += "  " + std::to_string(f.pixelFormat) + "-bpp";
    line += f.fullScreenExclusive ? "   DXMode: " : "   Custom: ";
    line += std::to_string(f.screenWidth) + "*" + std::to_string(f.screenHeight);
    line += "   Pitch: " + std::to_string(f.pitchPixels);
    line += "   Blend: " + std::to_string(f.currentBlend);
    line += "   Delay: " + std::to_string(f.frameDelayMs);
    line += "   Pixels: " + std::to_string(f.measured.pixelCount);
    return line;
}

}  // namespace

std::string ProgramVersion() {
    std::string version(kProductVersion.substr(0, kProductVersion.find_first_not_of("0123456789.")));
    for (auto parts = std::ranges::count(version, '.') + 1; parts < 3; ++parts) version += ".0";
    return version;
}

std::array<std::string, kPerfReportLines> FormatPerfReport(const PerfFigures& f) {
    const RunPerformance& m = f.measured;
    const double total = m.idleTime + m.blendTime + m.presentTime;
    return {
        std::string(kRuleWidth, '-'),
        HeaderLine(f),
        m.line,
        TimeLine("   Math     :  ", m.idleTime, total),
        TimeLine("   Blending :  ", m.blendTime, total),
        TimeLine("   Blt/Flip :  ", m.presentTime, total),
        "   Total    :  " + PadLeft(WholeSeconds(total), kTimeColumn) + "   " + Share(100.0) + " %",
    };
}

PerfFigures CurrentPerfFigures() {
    return {displayState.UseFlip,
            displayState.PixelFormat,
            displayState.FullScreenExclusive,
            drawingGeometry.ScreenWidth,
            drawingGeometry.ScreenHeight,
            displayState.PitchPixels,
            displayState.CurrentBlend,
            displaySettings.FrameDelayMs,
            runPerformance};
}

bool AppendPerfReport(const std::filesystem::path& file, const std::array<std::string, kPerfReportLines>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    for (const std::string& line : lines) {
        out << line << kLineEnd;
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace orbweave
