#include "dialogs/common/picture_box_window.h"

#include <QWidget>

#include "platform/display/surface.h"
#include "platform/forms/picture_box.h"

namespace orbweave {

namespace {

FramePixelFormat FrameFormatOf(display::PixelLayout layout) {
    switch (layout) {
    case display::PixelLayout::Rgb555: return FramePixelFormat::Rgb555;
    case display::PixelLayout::Rgb565: return FramePixelFormat::Rgb565;
    case display::PixelLayout::Bgr24: return FramePixelFormat::Bgr24;
    case display::PixelLayout::Xrgb8888: return FramePixelFormat::Xrgb8888;
    }
    return FramePixelFormat::Xrgb8888;
}

}  // namespace

PictureBoxWindow::PictureBoxWindow(PictureBox& box) : box_(&box), widget_(box.Widget()) {}

display::Rect PictureBoxWindow::ScreenRect() const {
    if (widget_.isNull()) {
        return {};
    }
    const QPoint origin = widget_->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget_->width(), origin.y() + widget_->height()};
}

bool PictureBoxWindow::Exists() const { return !widget_.isNull(); }

display::Result PictureBoxWindow::Present(const display::Surface& frame) {
    if (widget_.isNull()) {
        return display::Result::Failed;
    }
    const FrameView view{frame.Pixels().data(), frame.GetSize().width, frame.GetSize().height, frame.PitchBytes(),
                         FrameFormatOf(frame.Format().layout)};
    return box_->PresentFrame(view) ? display::Result::Ok : display::Result::Failed;
}

PictureBoxTarget::PictureBoxTarget(PictureBox& box)
    : widget_(box.Widget()), window_(std::make_shared<PictureBoxWindow>(box)) {}

double PictureBoxTarget::InnerWidth() const { return widget_.isNull() ? 0.0 : widget_->width(); }

double PictureBoxTarget::InnerHeight() const { return widget_.isNull() ? 0.0 : widget_->height(); }

}  // namespace orbweave
