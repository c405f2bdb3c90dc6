#include "platform/forms/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"

namespace orbweave {

namespace {

// Pixel coordinates far outside any surface are held here, so that absurd
// scale values never overflow while they are clipped away.
constexpr double kPixelLimit = 1 << 20;

int ToPixel(double units, double unitsPerPixel) {
    const double pixels = std::nearbyint(units / unitsPerPixel);
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(std::clamp(pixels, -kPixelLimit, kPixelLimit));
}

}  // namespace

Canvas::Canvas(QWidget& surface) : surface_(surface) { SurfaceResized(); }

// --- Scale ---

double Canvas::ScaleWidth() const {
    switch (mode_) {
    case ScaleMode::Twips: return PixelWidth() * static_cast<double>(ScreenTwipsPerPixelX());
    case ScaleMode::Pixels: return PixelWidth();
    case ScaleMode::User: break;
    }
    return userWidth_;
}

double Canvas::ScaleHeight() const {
    switch (mode_) {
    case ScaleMode::Twips: return PixelHeight() * static_cast<double>(ScreenTwipsPerPixelY());
    case ScaleMode::Pixels: return PixelHeight();
    case ScaleMode::User: break;
    }
    return userHeight_;
}

void Canvas::SetScalePixels() {
    mode_ = ScaleMode::Pixels;
    scaleLeft_ = scaleTop_ = 0.0;
}

bool Canvas::SetScale(double left, double top, double width, double height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height) ||
        width == 0.0 || height == 0.0)
        return false;
    mode_ = ScaleMode::User;
    scaleLeft_ = left;
    scaleTop_ = top;
    userWidth_ = width;
    userHeight_ = height;
    return true;
}

double Canvas::UnitsPerPixelX() const {
    switch (mode_) {
    case ScaleMode::Twips: return ScreenTwipsPerPixelX();
    case ScaleMode::Pixels: return 1.0;
    case ScaleMode::User: break;
    }
    return userWidth_ / std::max(PixelWidth(), 1);
}

double Canvas::UnitsPerPixelY() const {
    switch (mode_) {
    case ScaleMode::Twips: return ScreenTwipsPerPixelY();
    case ScaleMode::Pixels: return 1.0;
    case ScaleMode::User: break;
    }
    return userHeight_ / std::max(PixelHeight(), 1);
}

int Canvas::ToPixelX(double x) const { return ToPixel(x - scaleLeft_, UnitsPerPixelX()); }
int Canvas::ToPixelY(double y) const { return ToPixel(y - scaleTop_, UnitsPerPixelY()); }

// --- Drawing state ---

bool Canvas::SetDrawWidth(int pixels) {
    if (pixels < 1) return false;
    drawWidth_ = pixels;
    return true;
}

bool Canvas::SetFillStyle(int style) {
    if (style != kFillSolid && style != kFillTransparent) return false;
    fillStyle_ = style;
    return true;
}

// --- Drawing ---

void Canvas::Cls() {
    SurfaceResized();
    image_.fill(QColorFromRgb(backColor_));
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    Changed();
}

void Canvas::PSet(double x, double y, std::int32_t colour) {
    const int px = ToPixelX(x);
    const int py = ToPixelY(y);
    const int before = (drawWidth_ - 1) / 2;
    FillPixels(px - before, py - before, px - before + drawWidth_ - 1, py - before + drawWidth_ - 1, colour);
    currentX_ = x;
    currentY_ = y;
    Changed();
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::int32_t colour) {
    SurfaceResized();
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColorFromRgb(colour), drawWidth_, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPoint(ToPixelX(x1), ToPixelY(y1)), QPoint(ToPixelX(x2), ToPixelY(y2)));
    }
    currentX_ = x2;
    currentY_ = y2;
    Changed();
}

void Canvas::LineTo(double x, double y, std::int32_t colour) { Line(currentX_, currentY_, x, y, colour); }

void Canvas::Box(double x1, double y1, double x2, double y2, std::int32_t colour) {
    const int left = std::min(ToPixelX(x1), ToPixelX(x2));
    const int right = std::max(ToPixelX(x1), ToPixelX(x2));
    const int top = std::min(ToPixelY(y1), ToPixelY(y2));
    const int bottom = std::max(ToPixelY(y1), ToPixelY(y2));
    const int inner = drawWidth_ - 1;
    FillPixels(left, top, right, top + inner, colour);
    FillPixels(left, bottom - inner, right, bottom, colour);
    FillPixels(left, top, left + inner, bottom, colour);
    FillPixels(right - inner, top, right, bottom, colour);
    currentX_ = x2;
    currentY_ = y2;
    Changed();
}

void Canvas::FilledBox(double x1, double y1, double x2, double y2, std::int32_t colour) {
    FillPixels(ToPixelX(x1), ToPixelY(y1), ToPixelX(x2), ToPixelY(y2), colour);
    currentX_ = x2;
    currentY_ = y2;
    Changed();
}

void Canvas::Circle(double x, double y, double radius, std::int32_t colour) {
    SurfaceResized();
    const int r = ToPixel(std::abs(radius), UnitsPerPixelX());
    {
        QPainter painter(&image_);
        painter.setPen(QPen(QColorFromRgb(colour), drawWidth_));
        painter.setBrush(fillStyle_ == kFillSolid ? QBrush(QColorFromRgb(fillColor_)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QPoint(ToPixelX(x), ToPixelY(y)), r, r);
    }
    currentX_ = x;
    currentY_ = y;
    Changed();
}

void Canvas::PrintText(double x, double y, std::string_view text, std::int32_t colour) {
    SurfaceResized();
    const QFont font = QFontFromSpec(font_, surface_.font());
    {
        QPainter painter(&image_);
        painter.setFont(font);
        painter.setPen(QColorFromRgb(colour));
        const QFontMetricsF metrics(font);
        painter.drawText(QPointF(ToPixelX(x), ToPixelY(y) + metrics.ascent()), ToQString(text));
    }
    currentX_ = x + TextWidth(text);
    currentY_ = y + TextHeight(text);
    Changed();
}

double Canvas::TextWidth(std::string_view text) const {
    return QFontMetricsF(QFontFromSpec(font_, surface_.font())).horizontalAdvance(ToQString(text)) * UnitsPerPixelX();
}

double Canvas::TextHeight(std::string_view) const {
    return QFontMetricsF(QFontFromSpec(font_, surface_.font())).height() * UnitsPerPixelY();
}

void Canvas::DrawStretched(const QImage& image) {
    SurfaceResized();
    {
        QPainter painter(&image_);
        painter.drawImage(image_.rect(), image);
    }
    Changed();
}

void Canvas::FillPixels(int x1, int y1, int x2, int y2, std::int32_t colour) {
    SurfaceResized();
    const QRect area = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                           .intersected(image_.rect());
    if (area.isEmpty()) return;
    QPainter painter(&image_);
    painter.fillRect(area, QColorFromRgb(colour));
}

// --- The kept image ---

int Canvas::PixelWidth() const { return surface_.width(); }
int Canvas::PixelHeight() const { return surface_.height(); }

std::int32_t Canvas::Point(int px, int py) const {
    if (!image_.rect().contains(px, py)) return -1;
    return RgbFromQColor(QColor(image_.pixel(px, py)));
}

void Canvas::PaintOn(QPainter& painter) const { painter.drawImage(0, 0, image_); }

void Canvas::SurfaceResized() {
    const QSize size(std::max(PixelWidth(), 0), std::max(PixelHeight(), 0));
    if (image_.size() == size) return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(QColorFromRgb(backColor_));
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

void Canvas::Changed() { surface_.update(); }

}  // namespace orbweave
