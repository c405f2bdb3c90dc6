// Times one blend call per format and frame size the way the program makes
// it (factor 800, neighbour rows above and below, the whole picture), against
// a memcpy of the same work image measured in the same run, alternating the
// two so that both see the same machine load. Two pictures: noise in every
// pixel, and stars (small lit squares over 3% of a black picture, as the
// saver's pictures mostly are). Prints one line per case:
//   blend<bits>[-stars] <W>x<H> ms=<per call> memcpy_ms=<per copy> ratio=<ms/memcpy_ms>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "corvane/corvane.h"

namespace {

constexpr int kRepetitions = 25;
constexpr int32_t kFactor = 800;

struct Format {
    int bits;
    int bytesPerPixel;
    CorvaneBlendFn blend;
};

constexpr std::array<Format, 4> kFormats = {{
    {15, 2, BlendPixelLongRGB15},
    {16, 2, BlendPixelLongRGB16},
    {24, 3, BlendPixelLongRGB24},
    {32, 4, BlendPixelLongRGB32},
}};

struct Size {
    int width;
    int height;
};

constexpr std::array<Size, 2> kSizes = {{{1920, 1080}, {3840, 2160}}};

template <class Call>
double Milliseconds(Call&& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string Fixed(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    return std::string(text, result.ptr);
}

enum class Picture { Noise, Stars };

// Side of a star's square, and the share of the picture the stars cover.
constexpr int kStarSide = 8;
constexpr int kStarCoverPercent = 3;

std::vector<uint32_t> MakePicture(Picture picture, const Size& size) {
    const size_t entries = static_cast<size_t>(size.width) * size.height;
    std::mt19937 random(7);
    std::vector<uint32_t> work(entries, 0);
    if (picture == Picture::Noise) {
        for (uint32_t& entry : work) {
            entry = random();
        }
        return work;
    }
    const size_t stars = entries * kStarCoverPercent / 100 / (kStarSide * kStarSide);
    for (size_t star = 0; star < stars; ++star) {
        const int left = static_cast<int>(random() % (size.width - kStarSide));
        const int top = static_cast<int>(random() % (size.height - kStarSide));
        const uint32_t colour = random() & 0x00FFFFFF;
        for (int y = top; y < top + kStarSide; ++y) {
            for (int x = left; x < left + kStarSide; ++x) {
                work[static_cast<size_t>(y) * size.width + x] = colour;
            }
        }
    }
    return work;
}

void Measure(const Format& format, const Size& size, Picture picture) {
    const int pitch = size.width;
    const size_t entries = static_cast<size_t>(pitch) * size.height;
    std::vector<uint32_t> work = MakePicture(picture, size);
    std::vector<uint32_t> copy(entries);
    std::vector<uint8_t> surface(entries * format.bytesPerPixel);
    // As the program calls it: output rows 0..height - 4 from work rows 1..
    uint8_t* start = surface.data();
    const uint8_t* end = start + static_cast<size_t>(size.height - 3) * pitch * format.bytesPerPixel;
    const intptr_t row = 4 * static_cast<intptr_t>(pitch);
    double blendBest = 1e30;
    double copyBest = 1e30;
    for (int i = 0; i < kRepetitions; ++i) {
        blendBest = std::min(blendBest, Milliseconds([&] {
                                 format.blend(start, end, work.data() + pitch, size.width, pitch, kFactor, -row, row);
                             }));
        copyBest = std::min(copyBest,
                            Milliseconds([&] { std::memcpy(copy.data(), work.data(), entries * sizeof(uint32_t)); }));
    }
    std::printf("blend%d%s %dx%d ms=%s memcpy_ms=%s ratio=%s\n", format.bits, picture == Picture::Stars ? "-stars" : "",
                size.width, size.height, Fixed(blendBest).c_str(), Fixed(copyBest).c_str(),
                Fixed(blendBest / copyBest).c_str());
    std::fflush(stdout);
}

}  // namespace

int main() {
    for (const Picture picture : {Picture::Noise, Picture::Stars}) {
        for (const Size& size : kSizes) {
            for (const Format& format : kFormats) {
                Measure(format, size, picture);
            }
        }
    }
    return 0;
}
