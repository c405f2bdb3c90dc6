#include "platform/display/memory_backend.h"

#include <algorithm>

namespace orbweave::display {

std::uint32_t Frame::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) {
        return 0;
    }
    const std::size_t at =
        static_cast<std::size_t>(y) * pitchBytes + static_cast<std::size_t>(x) * format.bytesPerPixel;
    std::uint32_t value = 0;
    for (int i = 0; i < format.bytesPerPixel; ++i) {
        value |= static_cast<std::uint32_t>(pixels[at + i]) << (8 * i);
    }
    return value;
}

Result MemoryWindow::Present(const Surface& frame) {
    if (!exists_) {
        return Result::Failed;
    }
    ++presents_;
    if (keepFrames_) {
        last_.size = frame.GetSize();
        last_.format = frame.Format();
        last_.pitchBytes = frame.PitchBytes();
        last_.pixels.assign(frame.Pixels().begin(), frame.Pixels().end());
    }
    return Result::Ok;
}

LockedRect MemoryWindow::LendPixels(Size size, PixelLayout layout) {
    if (!exists_ || !lends_ || size != DrawableSize()) {
        return {};
    }
    const PixelFormat format = FormatOf(layout);
    if (lent_.size != size || lent_.format != format) {
        lent_.size = size;
        lent_.format = format;
        lent_.pitchBytes = PitchFor(size.width, format.bytesPerPixel);
        // Fresh memory, never zero, so that a test sees what the new owner clears.
        lent_.pixels.assign(static_cast<std::size_t>(lent_.pitchBytes) * size.height, 0x5A);
    }
    return {lent_.pixels.data(), size.width, size.height, lent_.pitchBytes, format.bytesPerPixel};
}

Result MemoryWindow::ShowLentPixels() {
    if (!exists_ || lent_.pixels.empty()) {
        return Result::Failed;
    }
    ++presents_;
    ++inPlace_;
    if (keepFrames_) {
        last_ = lent_;
    }
    return Result::Ok;
}

std::shared_ptr<MemoryDisplaySystem> MemoryDisplaySystem::Create(MemoryDesktop desktop) {
    return std::shared_ptr<MemoryDisplaySystem>(new MemoryDisplaySystem(std::move(desktop)));
}

MemoryDisplaySystem::~MemoryDisplaySystem() { Release(); }

int MemoryDisplaySystem::CountOf(Call call) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [call](const CallRecord& r) { return r.call == call; }));
}

void MemoryDisplaySystem::Fail(Call call, Result result, int times) { failures_[call] = {result, times}; }

Result MemoryDisplaySystem::Check(Call call, const std::string& detail) {
    if (desktop_.recordCalls) {
        calls_.push_back({call, detail});
    }
    const auto it = failures_.find(call);
    if (it == failures_.end()) {
        return Result::Ok;
    }
    const Result result = it->second.result;
    if (it->second.remaining != kAlways && --it->second.remaining <= 0) {
        failures_.erase(it);
    }
    return result;
}

Result MemoryDisplaySystem::ApplyDisplayMode(const DisplayMode& mode) {
    const bool offered = std::find(desktop_.modes.begin(), desktop_.modes.end(), mode) != desktop_.modes.end();
    return offered ? Result::Ok : Result::ModeRefused;
}

}  // namespace orbweave::display
