#include "renderer/display/display.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <utility>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/product.h"
#include "platform/display/cursor.h"
#include "platform/system/memory.h"
#include "platform/system/services.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"

namespace orbweave {

DisplayState displayState;

void ResetDisplayState() { displayState = DisplayState{}; }

namespace {

constexpr std::string_view kModuleName = "DirectX";
constexpr std::string_view kSetupErrorText = "LoadPropsInitDX:  Error Line: ";
constexpr std::string_view kRootMissingHeading = "X Display Not Found";
constexpr std::string_view kDeviceFailedHeading = "X Display Services cannot be started";
constexpr std::uint32_t kGreenMask555 = 0x3E0;
constexpr int kFadeTopLevel = 90;
constexpr int kProcessFailureStatus = 1;

// The lines of the set-up, numbered for the error text.
enum SetupLine {
    kLineNoDevice = 1,
    kLineCooperativeLevel,
    kLineDisplayMode,
    kLinePrimarySurface,
    kLineBackSurface,
    kLineClearBack,
    kLinePixelFormat,
    kLineLock,
    kLineWorkImage,
    kLineClipper,
};

DisplayOpener& Opener() {
    static DisplayOpener opener = display::OpenSdlDisplay;
    return opener;
}

std::string MissingDisplayText(std::string_view heading) {
    std::string text(heading);
    text += "\r\n\r\n";
    text += "It appears that SDL2 cannot reach an X display on your system.  ";
    text += "Please start ";
    text += kProductName;
    text += " inside an X11 session, with DISPLAY naming the X server.";
    text += "\r\n\r\nURL:  ";
    text += kDisplayDownloadUrl;
    text += "\r\n\r\nWould you like to go to the site now?";
    return text;
}

// Offers the download page and ends the process whatever the answer.
void ReportMissingDisplay(std::string_view heading) {
    const MessageStyle style{MessageIcon::Question, MessageButtons::YesNo, 0};
    if (ShowMessage(MissingDisplayText(heading), kMessageTitle, style) == MessageAnswer::Yes) {
        OpenWebPage(kDisplayDownloadUrl);
    }
    EndProcess(kProcessFailureStatus);
}

display::CooperativeLevel CurrentLevel() {
    return displayState.FullScreenExclusive ? display::CooperativeLevel::Exclusive : display::CooperativeLevel::Normal;
}

void ReleaseSurfaces() {
    if (auto clipper = std::exchange(displayState.DisplayClipper, nullptr)) {
        clipper->Release();
    }
    if (auto back = std::exchange(displayState.BackSurface, nullptr)) {
        back->Release();
    }
    if (auto primary = std::exchange(displayState.PrimarySurface, nullptr)) {
        primary->Release();
    }
}

bool EndsTheProcess() { return runState.RunMode == kRunModeSaver || runState.RunMode == kRunModePreview; }

// A dialog's animation is abandoned and its dialog stays; the saver and the
// preview have nothing left to show and end the process, saying so when the
// memory for the work image could not be had.
bool SetupFailed(int line) {
    LogError(kModuleName, std::string(kSetupErrorText) + std::to_string(line));
    if (EndsTheProcess()) {
        if (line == kLineWorkImage) {
            ReportMemoryExhausted();
        }
        ReleaseDirectX();
        EndProcess(kProcessFailureStatus);
    } else {
        ReleaseSurfaces();
        displayState.PixelBuffer.clear();
    }
    return false;
}

// The exclusive mode, or (when the screen does not offer it) the custom
// layout over the whole desktop, drawn at the desktop's own size: stretching
// a smaller picture over it would blur it and distort its proportions.
bool EnterDisplayMode(display::DisplaySystem& device) {
    const display::DisplayMode mode{drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight, colourTables.DisplayBpp};
    if (display::Succeeded(device.SetDisplayMode(mode))) {
        return true;
    }
    displayState.FullScreenExclusive = false;
    const display::Size desktop = device.DesktopSize();
    if (desktop.width > 0 && desktop.height > 0) {
        ResizeDrawingSurface(desktop.width, desktop.height);
    }
    return display::Succeeded(device.SetCooperativeLevel(displayState.SaverHWnd, display::CooperativeLevel::Normal));
}

bool CreateFlipChain(display::DisplaySystem& device) {
    if (!display::Succeeded(device.CreatePrimarySurface(true, displayState.PrimarySurface)) ||
        !display::Succeeded(displayState.PrimarySurface->GetAttachedBackBuffer(displayState.BackSurface))) {
        return false;
    }
    displayState.PrimarySurface->Fill({0, 0, drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight}, 0);
    return true;
}

// 15 or 16 for two-byte surfaces (by RGB16Mode, or the primary's green mask
// when asked to look), else the surface's own bits per pixel.
bool ChoosePixelFormat() {
    display::PixelFormat format;
    if (!display::Succeeded(displayState.BackSurface->GetPixelFormat(format))) {
        return false;
    }
    if (format.bytesPerPixel != 2) {
        displayState.PixelFormat = format.bitsPerPixel;
        return true;
    }
    switch (displaySettings.RGB16Mode) {
    case 0: displayState.PixelFormat = 16; return true;
    case 1: displayState.PixelFormat = 15; return true;
    default: {
        display::PixelFormat primary;
        if (!display::Succeeded(displayState.PrimarySurface->GetPixelFormat(primary))) {
            return false;
        }
        displayState.PixelFormat = primary.greenMask == kGreenMask555 ? 15 : 16;
        return true;
    }
    }
}

bool MeasurePitch() {
    display::LockedRect locked;
    if (!display::Succeeded(displayState.BackSurface->Lock(locked)) || locked.bytesPerPixel <= 0) {
        return false;
    }
    displayState.PitchPixels =
        static_cast<std::int32_t>(std::nearbyint(static_cast<double>(locked.pitchBytes) / locked.bytesPerPixel));
    displayState.BackSurface->Unlock();
    return true;
}

bool AllocateWorkImage() {
    const std::size_t entries = static_cast<std::size_t>(displayState.PitchPixels) * drawingGeometry.ScreenHeight + 1;
    try {
        // The large-page hint only works on memory not yet touched: the
        // buffer is reserved, hinted, and only then filled.
        decltype(displayState.PixelBuffer) fresh;
        fresh.reserve(entries);
        PreferLargePages(fresh.data(), entries * sizeof fresh[0]);
        fresh.assign(entries, 0);
        displayState.PixelBuffer = std::move(fresh);
    } catch (const std::bad_alloc&) {
        displayState.PixelBuffer.clear();
        return false;
    }
    return true;
}

bool AttachClipper(display::DisplaySystem& device) {
    return display::Succeeded(device.CreateClipper(displayState.DisplayClipper)) &&
           display::Succeeded(displayState.DisplayClipper->SetWindow(displayState.SaverHWnd)) &&
           display::Succeeded(displayState.PrimarySurface->SetClipper(displayState.DisplayClipper));
}

}  // namespace

void SetDisplayOpener(DisplayOpener opener) {
    Opener() = opener ? std::move(opener) : DisplayOpener(display::OpenSdlDisplay);
}

void LogError(std::string_view, std::string_view) {}

void InitDirectX() {
    if (displayState.DX) {
        return;
    }
    display::OpenResult opened = Opener()();
    if (opened.failure == display::OpenFailure::RootMissing) {
        ReportMissingDisplay(kRootMissingHeading);
        return;
    }
    displayState.DX = true;
    if (opened.failure != display::OpenFailure::None || !opened.system) {
        ReportMissingDisplay(kDeviceFailedHeading);
        return;
    }
    displayState.DD = std::move(opened.system);
    colourTables.DisplayBpp = static_cast<std::int16_t>(displayState.DD->DesktopBitsPerPixel());
    displayState.UseFlip = ReadDisplayValue<&DisplayRecord::DX_UseFlip>() != 0;
}

DisplayLimits LargestDisplayMode() {
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    if (!device) {
        return {};
    }
    const display::Size desktop = device->DesktopSize();
    std::vector<display::DisplayMode> modes;
    DisplayLimits largest;
    if (display::Succeeded(device->EnumerateModes(modes))) {
        for (const display::DisplayMode& mode : modes) {
            if (mode.width <= desktop.width) {
                largest.largestWidth = std::max(largest.largestWidth, mode.width);
                largest.largestHeight = std::max(largest.largestHeight, mode.height);
            }
        }
    }
    if (largest.largestWidth <= 0 || largest.largestHeight <= 0) {
        return {desktop.width, desktop.height};
    }
    return largest;
}

bool LoadPropsInitDX() {
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    if (!device || device->IsReleased()) {
        return SetupFailed(kLineNoDevice);
    }
    displayState.FullScreenExclusive =
        runState.RunMode == kRunModeSaver && ReadDisplayValue<&DisplayRecord::CustomRes>() == 0;
    if (!display::Succeeded(device->SetCooperativeLevel(displayState.SaverHWnd, CurrentLevel()))) {
        return SetupFailed(kLineCooperativeLevel);
    }
    if (displayState.FullScreenExclusive && !EnterDisplayMode(*device)) {
        return SetupFailed(kLineDisplayMode);
    }
    // A second animation in the same dialog replaces the surfaces of the first.
    ReleaseSurfaces();
    if (displayState.UseFlip && displayState.FullScreenExclusive) {
        if (!CreateFlipChain(*device)) {
            return SetupFailed(kLinePrimarySurface);
        }
    } else {
        if (!display::Succeeded(device->CreatePrimarySurface(false, displayState.PrimarySurface))) {
            return SetupFailed(kLinePrimarySurface);
        }
        if (!display::Succeeded(device->CreateSurface({drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight},
                                                      displayState.BackSurface))) {
            return SetupFailed(kLineBackSurface);
        }
    }
    // The blend then writes straight into the window's pixels when they
    // match the drawing area.
    displayState.BackSurface->ShareWindowPixels();
    if (!display::Succeeded(
            displayState.BackSurface->Fill({0, 0, drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight}, 0))) {
        return SetupFailed(kLineClearBack);
    }
    if (!ChoosePixelFormat()) {
        return SetupFailed(kLinePixelFormat);
    }
    if (!MeasurePitch()) {
        return SetupFailed(kLineLock);
    }
    if (!AllocateWorkImage()) {
        return SetupFailed(kLineWorkImage);
    }
    if (runState.RunMode != kRunModeSaver && !AttachClipper(*device)) {
        return SetupFailed(kLineClipper);
    }
    runPerformance.idleTime = 0.0;
    runPerformance.blendTime = 0.0;
    runPerformance.presentTime = 0.0;
    return true;
}

void RestoreLostSurfaces() {
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    if (!device) {
        LogError(kModuleName, std::string(kSetupErrorText) + std::to_string(kLineNoDevice));
        return;
    }
    if (device->TestCooperativeLevel() == display::Result::Ok) {
        return;
    }
    // The window's handlers may run here (and may even release the display).
    PumpEvents();
    if (!display::Succeeded(device->SetCooperativeLevel(displayState.SaverHWnd, CurrentLevel()))) {
        LogError(kModuleName, std::string(kSetupErrorText) + std::to_string(kLineCooperativeLevel));
        return;
    }
    if (!display::Succeeded(device->RestoreAllSurfaces())) {
        LogError(kModuleName, std::string(kSetupErrorText) + std::to_string(kLinePrimarySurface));
    }
}

void FadeOutDisplay(std::int16_t frames, std::int16_t stepSize) {
    // A second close request while the fade runs must not start another.
    static bool fading = false;
    if (fading) {
        return;
    }
    fading = true;
    const int product = frames * stepSize;
    const int count = product <= kFadeTopLevel
                          ? frames
                          : static_cast<int>(std::nearbyint(static_cast<double>(kFadeTopLevel) / stepSize));
    for (int k = 1; k <= count; ++k) {
        BlendBlitSurface(kFadeTopLevel - k * stepSize);
    }
    fading = false;
}

void EndRunWithoutMemory() {
    if (EndsTheProcess()) {
        ReportMemoryExhausted();
        ReleaseDirectX();
        EndProcess(kProcessFailureStatus);
    }
}

void ReleaseDirectX() {
    ReleaseSurfaces();
    if (auto device = std::exchange(displayState.DD, nullptr)) {
        device->Release();
    }
    displayState.DX = false;
    display::ShowCursor(true);
}

}  // namespace orbweave
