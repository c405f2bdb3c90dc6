// The memory backend: a display system with a fake desktop and mode list
// that records every call, refuses calls on demand, and keeps every
// presented frame readable. Tests and benchmarks run on it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display_system.h"

namespace orbweave::display {

// A copy of one presented frame.
struct Frame {
    Size size;
    PixelFormat format;
    int pitchBytes = 0;
    std::vector<std::uint8_t> pixels;

    std::uint32_t PixelAt(int x, int y) const;
    std::uint32_t RgbAt(int x, int y) const { return DecodeRgb(PixelAt(x, y), format); }
};

class MemoryWindow final : public Window {
public:
    explicit MemoryWindow(Rect screenRect) : rect_(screenRect) {}

    Rect ScreenRect() const override { return rect_; }
    bool Exists() const override { return exists_; }
    Result Present(const Surface& frame) override;
    LockedRect LendPixels(Size size, PixelLayout layout) override;
    Result ShowLentPixels() override;

    void SetScreenRect(Rect rect) { rect_ = rect; }
    // Lends memory of the window's own size, as the SDL window does; a new
    // size or layout gets new memory.
    void LendMemory(bool lend) { lends_ = lend; }
    // Frames shown from the lent memory, without a copy.
    int InPlaceCount() const { return inPlace_; }
    void Destroy() { exists_ = false; }
    // Copying every frame costs a full-screen memcpy; benchmarks turn it off.
    void KeepFrames(bool keep) { keepFrames_ = keep; }
    int PresentCount() const { return presents_; }
    const Frame& LastFrame() const { return last_; }

private:
    Rect rect_;
    bool exists_ = true;
    bool keepFrames_ = true;
    int presents_ = 0;
    bool lends_ = false;
    int inPlace_ = 0;
    Frame lent_;
    Frame last_;
};

struct MemoryDesktop {
    PixelLayout layout = PixelLayout::Xrgb8888;
    Size size{800, 600};
    // The modes the fake driver offers, in its enumeration order; only these
    // can be set.
    std::vector<DisplayMode> modes{{800, 600, 32}};
    // Tests read the call record; a long headless run keeps none, so its
    // memory stays flat however many frames it draws.
    bool recordCalls = true;
};

// One recorded call. The detail names the level ("exclusive"), the mode or
// size ("640x480x32"), the kind of primary ("flip chain"), or for DrawText
// the position and text ("12,40 Back in 5 minutes").
struct CallRecord {
    Call call;
    std::string detail;
};

class MemoryDisplaySystem final : public DisplaySystem {
public:
    static constexpr int kAlways = -1;

    static std::shared_ptr<MemoryDisplaySystem> Create(MemoryDesktop desktop = {});
    ~MemoryDisplaySystem() override;

    const std::vector<CallRecord>& Calls() const { return calls_; }
    int CountOf(Call call) const;

    // The next `times` calls of `call` (every one with kAlways) fail with `result`.
    void Fail(Call call, Result result, int times = kAlways);
    // Every live surface reports itself lost until the surfaces are restored.
    void LoseSurfaces() { LoseAllSurfaces(); }
    // The cooperative-level test fails while `lost`.
    void LoseCooperativeLevel(bool lost) { levelLost_ = lost; }

    MemoryDesktop& Desktop() { return desktop_; }

protected:
    Result Check(Call call, const std::string& detail) override;
    PixelFormat QueryDesktopFormat() override { return FormatOf(desktop_.layout); }
    Size QueryDesktopSize() override { return desktop_.size; }
    Result ApplyCooperativeLevel(Window*, CooperativeLevel) override { return Result::Ok; }
    Result QueryCooperativeLevel() override { return levelLost_ ? Result::SurfaceLost : Result::Ok; }
    Result ApplyDisplayMode(const DisplayMode& mode) override;
    std::vector<DisplayMode> QueryModes() override { return desktop_.modes; }

private:
    struct Failure {
        Result result;
        int remaining;
    };

    explicit MemoryDisplaySystem(MemoryDesktop desktop) : desktop_(std::move(desktop)) {}

    MemoryDesktop desktop_;
    std::vector<CallRecord> calls_;
    std::map<Call, Failure> failures_;
    bool levelLost_ = false;
};

}  // namespace orbweave::display
