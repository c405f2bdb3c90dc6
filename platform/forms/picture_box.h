// A picture box: a control with a kept image that its owner draws into in
// the box's own scale, and the presenter that the renderer hands finished
// frames to.
#pragma once

#include <cstdint>

#include "platform/forms/canvas.h"
#include "platform/forms/control.h"

namespace orbweave {

// Memory layouts of a finished frame: 16-bit 5-5-5 and 5-6-5 with red in the
// top bits, 24-bit B,G,R and 32-bit B,G,R,X in memory order.
enum class FramePixelFormat { Rgb555, Rgb565, Bgr24, Xrgb8888 };

// A frame as the display layer holds it; the memory stays the caller's.
struct FrameView {
    const void* bits = nullptr;
    int width = 0;
    int height = 0;
    int pitchBytes = 0;
    FramePixelFormat format = FramePixelFormat::Xrgb8888;
};

class PictureBox final : public Control {
public:
    PictureBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    Canvas& Drawing() { return canvas_; }
    const Canvas& Drawing() const { return canvas_; }
    void SetBackColor(std::int32_t colour) override;
    void SetFont(const FontSpec& font) override;

    // Copies a finished frame, stretched to the box, into the kept image and
    // asks for a repaint (shown at the next pumping of events). Refused for a
    // frame without pixels or with a pitch shorter than its rows.
    bool PresentFrame(const FrameView& frame);

private:
    friend class PictureWidget;
    Canvas canvas_;
};

}  // namespace orbweave
