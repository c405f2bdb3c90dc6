#include "platform/display/picture_box_backend.h"

#include <QWidget>

#include "platform/display/surface.h"
#include "platform/forms/picture_box.h"

namespace orbweave::display {

namespace {

FramePixelFormat FrameFormatOf(PixelLayout layout)
{
    switch (layout) {
    case PixelLayout::Rgb555: return FramePixelFormat::Rgb555;
    case PixelLayout::Rgb565: return FramePixelFormat::Rgb565;
    case PixelLayout::Bgr24: return FramePixelFormat::Bgr24;
    case PixelLayout::Xrgb8888: return FramePixelFormat::Xrgb8888;
    }
    return FramePixelFormat::Xrgb8888;
}

}  // namespace

PictureBoxWindow::PictureBoxWindow(PictureBox& box) : box_(&box), widget_(box.Widget()) {}

Rect PictureBoxWindow::ScreenRect() const
{
    if (widget_.isNull()) {
        return {};
    }
    const QPoint origin = widget_->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget_->width(), origin.y() + widget_->height()};
}

bool PictureBoxWindow::Exists() const { return !widget_.isNull(); }

Result PictureBoxWindow::Present(const Surface& frame)
{
    if (widget_.isNull()) {
        return Result::Failed;
    }
    const FrameView view{frame.Pixels().data(), frame.GetSize().width, frame.GetSize().height, frame.PitchBytes(),
                         FrameFormatOf(frame.Format().layout)};
    return box_->PresentFrame(view) ? Result::Ok : Result::Failed;
}

}  // namespace orbweave::display
