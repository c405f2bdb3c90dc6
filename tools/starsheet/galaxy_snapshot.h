// One galaxy type drawn headless, as the About box's demonstration shows it:
// its stars generated from a fixed seed, animated for a number of frames
// and projected into the work image, then copied into a QImage.
#pragma once

#include <cstdint>

#include <QImage>

namespace orbweave::starsheet {

struct SnapshotOptions {
    int width = 256;
    int height = 192;
    std::int32_t stars = 6000;
    int frames = 300;
    std::uint32_t seed = 1;
};

// Fills the galaxy tables with the factory types and their names and sets
// the display up for 32-bit colour.
void UseFactoryGalaxies();

// The picture of galaxy type `type` (0..49) after options.frames frames.
QImage RenderGalaxySnapshot(std::int16_t type, const SnapshotOptions& options);

}  // namespace orbweave::starsheet
