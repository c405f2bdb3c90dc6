#include "renderer/display/presentation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/convert.h"
#include "renderer/display/corvane_loader.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/overlay.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"

namespace orbweave {

RunPerformance runPerformance;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerMinute = 60;

struct FrameStatistics {
    std::optional<double> batchStart;
    std::optional<double> lastPresentEnd;
    double totalBatchTime = 0.0;
    double batchTime = 0.0;
    std::int32_t batchFrames = 0;
    std::int32_t batchCount = 0;
};

FrameStatistics& Statistics() {
    static FrameStatistics statistics;
    return statistics;
}

// Adds the time since `start` to `timer` when it is measurable.
void AddElapsed(double& timer, double start) {
    const double elapsed = std::fabs(NowSeconds() - start);
    if (elapsed > 0) {
        timer += elapsed;
    }
}

std::string TwoDigits(std::int64_t value) {
    std::string text = IntegerToText(value);
    return text.size() < 2 ? "0" + text : text;
}

// "###.00": two decimals, and no leading zero below 1 (0.5 gives ".50").
std::string RateText(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.00");
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    }
    return text;
}

std::string DateText(const std::tm& when) {
    const int hour12 = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
    return TwoDigits(when.tm_mon + 1) + "/" + TwoDigits(when.tm_mday) + "/" + IntegerToText(when.tm_year + 1900) + " " +
           TwoDigits(hour12) + ":" + TwoDigits(when.tm_min) + (when.tm_hour < 12 ? " AM" : " PM");
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// Byte offsets of the two neighbour rows the blend mixes in, and the rows
// it covers, for the current vertical offset.
struct BlendRows {
    std::intptr_t offsetA;
    std::intptr_t offsetB;
    std::int32_t startRow;
    std::int32_t endRow;
};

BlendRows RowsFor(std::int32_t vertOffset, std::int32_t pitch) {
    BlendRows rows{};
    const std::intptr_t rowBytes = 4 * static_cast<std::intptr_t>(pitch);
    if (vertOffset >= 0) {
        rows.offsetA = -rowBytes;
        rows.offsetB = rowBytes * (1 - vertOffset);
    } else {
        rows.offsetA = rowBytes;
        rows.offsetB = -rowBytes * (vertOffset + 1);
    }
    rows.startRow = vertOffset > 2 ? vertOffset - 2 : 0;
    rows.endRow = drawingGeometry.ScreenHeight - 3 + (vertOffset < -2 ? vertOffset + 2 : 0);
    return rows;
}

// The routine for the locked surface's bytes per pixel; two-byte surfaces
// take 5-5-5 or 5-6-5 from the chosen pixel format.
std::optional<BlendRoutine> RoutineFor(int bytesPerPixel) {
    switch (bytesPerPixel) {
    case 2: return displayState.PixelFormat == 15 ? BlendRoutine::Rgb15 : BlendRoutine::Rgb16;
    case 3: return BlendRoutine::Rgb24;
    case 4: return BlendRoutine::Rgb32;
    default: return std::nullopt;
    }
}

// Blends the work image into the locked surface. False when the frame had
// to be skipped: the surface rows do not match the work image's, or Corvane
// is missing.
bool BlendInto(const display::LockedRect& locked, std::int32_t level) {
    const int bpp = locked.bytesPerPixel;
    const std::int32_t pitch = displayState.PitchPixels;
    if (bpp <= 0 || locked.pitchBytes != pitch * bpp || pitch < drawingGeometry.ScreenWidth ||
        locked.height < drawingGeometry.ScreenHeight ||
        displayState.PixelBuffer.size() < static_cast<std::size_t>(pitch) * drawingGeometry.ScreenHeight + 1) {
        return false;
    }
    const BlendRows rows = RowsFor(std::clamp(displaySettings.VertOffset, -9, 9), pitch);
    if (rows.endRow <= rows.startRow) {
        return false;
    }
    const std::optional<BlendRoutine> routine = RoutineFor(bpp);
    const CorvaneBlendFn blend = routine ? LoadCorvaneBlendRoutine(*routine) : nullptr;
    if (blend == nullptr) {
        return false;
    }
    const std::size_t start = static_cast<std::size_t>(rows.startRow) * pitch;
    const std::size_t end = static_cast<std::size_t>(rows.endRow) * pitch;
    blend(locked.address + start * bpp, locked.address + end * bpp,
          reinterpret_cast<std::uint32_t*>(displayState.PixelBuffer.data() + start + pitch),
          drawingGeometry.ScreenWidth, pitch, kBlendFactorBase + level, rows.offsetA, rows.offsetB);
    return true;
}

// The presentation rectangle: the drawing window's, scaled back down in the
// preview, whose window is larger than its host by the twips factor.
bool WindowRect(display::DisplaySystem& device, display::Rect& rect) {
    if (!displayState.SaverHWnd || !display::Succeeded(device.GetWindowRect(*displayState.SaverHWnd, rect))) {
        return false;
    }
    if (runState.RunMode == kRunModePreview) {
        const double tx = TwipsDivisor(runState.Screen.twipsPerPixel.x);
        const double ty = TwipsDivisor(runState.Screen.twipsPerPixel.y);
        rect.right = rect.left + static_cast<int>(std::nearbyint(rect.Width() / tx));
        rect.bottom = rect.top + static_cast<int>(std::nearbyint(rect.Height() / ty));
    }
    return true;
}

display::Result Present(display::Surface& primary, display::Surface& back, const display::Rect& source,
                        const display::Rect& window, bool haveWindow) {
    if (displayState.UseFlip && displayState.FullScreenExclusive) {
        const display::Result flipped = primary.Flip();
        if (flipped != display::Result::NoFlipHardware) {
            return flipped;
        }
        return primary.BltFast(0, 0, back, source);
    }
    if (displayState.FullScreenExclusive) {
        return primary.BltFast(0, 0, back, source);
    }
    return haveWindow ? primary.Blt(window, back, source) : display::Result::Failed;
}

void CountFrame() {
    FrameStatistics& s = Statistics();
    const double now = NowSeconds();
    if (!s.batchStart) {
        s.batchStart = now;
        s.totalBatchTime = 0.0;
        s.batchCount = 0;
    }
    ++s.batchFrames;
    if (s.batchFrames < kFramesPerBatch) {
        return;
    }
    s.batchTime = std::fabs(now - *s.batchStart);
    if (s.batchTime > 0) {
        ++s.batchCount;
        s.totalBatchTime += s.batchTime;
        runPerformance.line = FormatPerfLine(LocalNow(), s.totalBatchTime, s.batchCount);
        s.batchFrames = 0;
        s.batchStart = now;
    }
}

}  // namespace

std::string FormatPerfLine(const std::tm& when, double totalSeconds, std::int32_t batches) {
    const std::int64_t frames = static_cast<std::int64_t>(batches) * kFramesPerBatch;
    const std::int64_t rounded = ToInt64(totalSeconds).value_or(0);
    const std::int64_t days = rounded / kSecondsPerDay;
    const std::int64_t hours = rounded % kSecondsPerDay / kSecondsPerHour;
    const std::int64_t minutes = rounded % kSecondsPerHour / kSecondsPerMinute;
    const std::int64_t seconds = rounded % kSecondsPerMinute;
    const double rate = totalSeconds > 0 ? static_cast<double>(frames) / totalSeconds : 0.0;
    return DateText(when) + "   Frames: " + IntegerToText(frames) + "   Time: " + TwoDigits(days) + ":" +
           TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds) + "   FPS: " + RateText(rate);
}

void ResetFrameStatistics() {
    Statistics() = {};
    runPerformance = {};
}

void BlendBlitSurface(std::int32_t level) {
    displayState.CurrentBlend = level;
    FrameStatistics& stats = Statistics();
    if (runState.WriteLogEnabled) {
        const double now = NowSeconds();
        if (stats.lastPresentEnd && now != *stats.lastPresentEnd) {
            runPerformance.idleTime += std::fabs(now - *stats.lastPresentEnd);
        }
    }
    RestoreLostSurfaces();

    // Event handlers may have released the display inside the restore; the
    // frame holds its own references and every call on a released object
    // fails softly.
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    const std::shared_ptr<display::Surface> primary = displayState.PrimarySurface;
    const std::shared_ptr<display::Surface> back = displayState.BackSurface;
    if (!device || !primary || !back) {
        LogError("DirectX", "BlendBlitSurface");
        return;
    }
    bool failed = false;
    display::Rect window;
    const bool haveWindow = WindowRect(*device, window);
    failed |= !haveWindow;
    const display::Size backSize = back->GetSize();
    const display::Rect source{0, 0, backSize.width, backSize.height};

    const bool lost = displayState.UseFlip && displayState.FullScreenExclusive ? primary->IsLost()
                                                                               : back->IsLost() || primary->IsLost();
    if (lost) {
        failed |= !display::Succeeded(device->RestoreAllSurfaces());
    }

    double started = NowSeconds();
    display::LockedRect locked;
    if (display::Succeeded(back->Lock(locked))) {
        failed |= !BlendInto(locked, level);
        failed |= !display::Succeeded(back->Unlock());
    } else {
        failed = true;
    }
    if (runState.WriteLogEnabled) {
        AddElapsed(runPerformance.blendTime, started);
    }

    DrawMessageOverlay();

    started = NowSeconds();
    failed |= !display::Succeeded(Present(*primary, *back, source, window, haveWindow));
    if (runState.WriteLogEnabled) {
        AddElapsed(runPerformance.presentTime, started);
        stats.lastPresentEnd = NowSeconds();
        CountFrame();
    }
    if (failed) {
        LogError("DirectX", "BlendBlitSurface");
    }
}

}  // namespace orbweave
