#include "platform/window/x11_pixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <vector>

namespace orbweave::window {

namespace {

constexpr int kPackedBits = 32;
constexpr std::uint32_t kChannelMax = 0xFF;

// The bits per pixel the server stores pixels of `depth` in; 0 when it lists none.
int BitsPerPixelOfDepth(Display* display, int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = 0;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            bits = formats[i].bits_per_pixel;
        }
    }
    if (formats != nullptr) {
        XFree(formats);
    }
    return bits;
}

// SDL makes its own windows with a direct-colour visual where the screen has
// one, and loads its colour map with straight ramps: a pixel then means what
// it would in true colour.
bool DrawsLikeTrueColour(const Visual& visual) { return visual.c_class == TrueColor || visual.c_class == DirectColor; }

}  // namespace

std::optional<int> ScreenBitsPerPixel() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    const int bits = BitsPerPixelOfDepth(display, DefaultDepth(display, DefaultScreen(display)));
    XCloseDisplay(display);
    return bits > 0 ? std::optional<int>(bits) : std::nullopt;
}

PixelPacker::PixelPacker(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask)
    : red_(ChannelFor(redMask)), green_(ChannelFor(greenMask)), blue_(ChannelFor(blueMask)) {}

PixelPacker::Channel PixelPacker::ChannelFor(std::uint32_t mask) {
    Channel channel{};
    if (mask == 0) {
        return channel;
    }
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    for (std::uint32_t value = 0; value <= kChannelMax; ++value) {
        const std::uint64_t widened = (value * top + kChannelMax / 2) / kChannelMax;
        channel[value] = static_cast<std::uint32_t>((widened << shift) & mask);
    }
    return channel;
}

struct XPixelWriter::Parts {
    Display* display;
    Window window;
    Visual* visual;
    int depth;
    GC gc;
    PixelPacker packer;
    std::vector<std::uint32_t> packed;
};

XPixelWriter::XPixelWriter(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

XPixelWriter::~XPixelWriter() { XFreeGC(parts_->display, parts_->gc); }

std::unique_ptr<XPixelWriter> XPixelWriter::For(Display* display, NativeWindowId window) {
    XWindowAttributes attributes{};
    if (display == nullptr || window == 0 || XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.visual == nullptr || !DrawsLikeTrueColour(*attributes.visual) ||
        BitsPerPixelOfDepth(display, attributes.depth) != kPackedBits) {
        return nullptr;
    }
    const Visual& visual = *attributes.visual;
    GC gc = XCreateGC(display, window, 0, nullptr);
    if (gc == nullptr) {
        return nullptr;
    }
    const PixelPacker packer(static_cast<std::uint32_t>(visual.red_mask), static_cast<std::uint32_t>(visual.green_mask),
                             static_cast<std::uint32_t>(visual.blue_mask));
    auto parts = std::make_unique<Parts>(Parts{display, window, attributes.visual, attributes.depth, gc, packer, {}});
    return std::unique_ptr<XPixelWriter>(new XPixelWriter(std::move(parts)));
}

bool XPixelWriter::Put(const std::uint32_t* pixels, int width, int height, int pitchPixels) {
    Parts& p = *parts_;
    if (pixels == nullptr || width <= 0 || height <= 0 || pitchPixels < width) {
        return false;
    }
    p.packed.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * pitchPixels;
        std::uint32_t* out = p.packed.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out[x] = p.packer.Pack(row[x]);
        }
    }
    XImage* image = XCreateImage(p.display, p.visual, static_cast<unsigned>(p.depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(p.packed.data()), static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), kPackedBits, width * 4);
    if (image == nullptr) {
        return false;
    }
    // The pixels are in this machine's byte order; Xlib swaps them for a
    // server of the other order.
    image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    const int errorsBefore = XErrorCount();
    XPutImage(p.display, p.window, p.gc, image, 0, 0, 0, 0, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
    XSync(p.display, False);
    image->data = nullptr;  // the buffer is ours
    XDestroyImage(image);
    return XErrorCount() == errorsBefore;
}

}  // namespace orbweave::window
