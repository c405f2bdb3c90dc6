#include "platform/forms/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "platform/forms/key_codes.h"

namespace orbweave {

namespace {

struct FormatInfo {
    QImage::Format qtFormat;
    int bytesPerPixel;
};

FormatInfo InfoOf(FramePixelFormat format) {
    switch (format) {
    case FramePixelFormat::Rgb555: return {QImage::Format_RGB555, 2};
    case FramePixelFormat::Rgb565: return {QImage::Format_RGB16, 2};
    case FramePixelFormat::Bgr24: return {QImage::Format_BGR888, 3};
    case FramePixelFormat::Xrgb8888: break;
    }
    return {QImage::Format_RGB32, 4};
}

}  // namespace

class PictureWidget final : public QWidget {
public:
    PictureWidget(PictureBox& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_.canvas_.PaintOn(painter);
    }

    void resizeEvent(QResizeEvent*) override { owner_.canvas_.SurfaceResized(); }

    void mousePressEvent(QMouseEvent* event) override {
        if (!owner_.events.mouseDown) return;
        const Canvas& canvas = owner_.canvas_;
        const QPointF at = event->position();
        const double x = canvas.ScaleLeft() + at.x() * canvas.ScaleWidth() / std::max(width(), 1);
        const double y = canvas.ScaleTop() + at.y() * canvas.ScaleHeight() / std::max(height(), 1);
        const auto handler = owner_.events.mouseDown;
        handler(MouseButtonOf(event->button()), ShiftStateOf(event->modifiers()), x, y);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Control::Raise(owner_.events.click);
    }

    void mouseDoubleClickEvent(QMouseEvent*) override { Control::Raise(owner_.events.dblClick); }

private:
    PictureBox& owner_;
};

PictureBox::PictureBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new PictureWidget(*this, parent)), canvas_(*Widget()) {
    canvas_.Cls();
}

void PictureBox::SetBackColor(std::int32_t colour) { canvas_.SetBackColor(colour); }

void PictureBox::SetFont(const FontSpec& font) {
    Control::SetFont(font);
    canvas_.SetFont(font);
}

bool PictureBox::PresentFrame(const FrameView& frame) {
    const FormatInfo info = InfoOf(frame.format);
    if (frame.bits == nullptr || frame.width <= 0 || frame.height <= 0 ||
        frame.pitchBytes < frame.width * info.bytesPerPixel)
        return false;
    const QImage view(static_cast<const uchar*>(frame.bits), frame.width, frame.height, frame.pitchBytes,
                      info.qtFormat);
    canvas_.DrawStretched(view);
    return true;
}

}  // namespace orbweave
