// The universe, one galaxy type or one composite galaxy run headless: the
// memory display backend, a fixed random seed, and a frame pacer whose clock
// advances one frame delay per frame and which stops the run after a given
// number of frames. The settings live in a temporary store holding the
// factory galaxy tables and any universe values the caller names.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QImage>

#include "platform/display/memory_backend.h"

namespace orbweave::headless {

enum class Scene { Universe, GalaxyType, Composite };

struct RunOptions {
    Scene scene = Scene::Universe;
    int index = 0;              // galaxy type 0..49 or composite 0..15
    std::int32_t stars = 6000;  // of a galaxy scene
    int width = 640;
    int height = 480;
    // The pixel layout of the screen the frames are blended into.
    display::PixelLayout layout = display::PixelLayout::Xrgb8888;
    std::uint32_t seed = 1;
    std::int64_t frames = 100;
    // Stored universe values ("Universe_Stars", "99999") set before the run.
    std::vector<std::pair<std::string, std::string>> universeValues;
    // Copies every presented frame for onFrame; benchmarks turn it off.
    bool keepFrames = true;
    // Called after each frame (counted from 1) with the presented frame.
    std::function<void(std::int64_t frame, const display::Frame& presented)> onFrame;
};

struct RunTimes {
    std::int64_t frames = 0;
    double totalMs = 0;    // every frame from its start to the next frame's
    double presentMs = 0;  // of that, blending and presenting
};

// Runs the scene until options.frames frames have been presented, or the
// run ends by itself (a galaxy scene never does). False when the display or
// the settings store could not be set up.
bool RunHeadless(const RunOptions& options, RunTimes* times = nullptr);

// A presented frame as an image.
QImage FrameImage(const display::Frame& frame);

}  // namespace orbweave::headless
