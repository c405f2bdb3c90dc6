// Text on a surface: Qt paints straight into the surface memory through a
// QImage in the surface's own pixel layout.
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/display/display_system.h"
#include "platform/display/surface.h"

namespace orbweave::display {

namespace {

constexpr double kMinimumPointSize = 1.0;

QImage::Format QtFormat(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Rgb555: return QImage::Format_RGB555;
    case PixelLayout::Rgb565: return QImage::Format_RGB16;
    case PixelLayout::Bgr24: return QImage::Format_BGR888;
    case PixelLayout::Xrgb8888: return QImage::Format_RGB32;
    }
    return QImage::Format_Invalid;
}

// Fonts need a GUI application; without one the text calls fail instead of
// letting Qt abort the process.
bool FontsAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

QFont MakeFont(const FontSpec& fontSpec) {
    QFont font(QString::fromStdString(fontSpec.name));
    font.setPointSizeF(std::max(fontSpec.pointSize, kMinimumPointSize));
    font.setBold(fontSpec.bold);
    return font;
}

// Measures with a device of the same resolution as the surface images.
QFontMetrics MetricsFor(const QFont& font) {
    static QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &device);
}

}  // namespace

Result Surface::SetFont(const FontSpec& font) {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (const Result r = owner_->Check(Call::SetFont, font.name); r != Result::Ok) {
        return r;
    }
    font_ = font;
    return Result::Ok;
}

Result Surface::SetTextColour(std::uint32_t rgb) {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (const Result r = owner_->Check(Call::SetTextColour, ""); r != Result::Ok) {
        return r;
    }
    textRgb_ = rgb & 0xFFFFFFu;
    return Result::Ok;
}

Result Surface::DrawText(int x, int y, const std::string& text) {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    const std::string detail = std::to_string(x) + "," + std::to_string(y) + " " + text;
    if (const Result r = owner_->Check(Call::DrawText, detail); r != Result::Ok) {
        return r;
    }
    if (locked_) {
        return Result::Busy;
    }
    if (!FontsAvailable() || size_.width == 0 || size_.height == 0) {
        return Result::Failed;
    }
    FollowWindowPixels();
    QImage image(memory_, size_.width, size_.height, pitch_, QtFormat(format_.layout));
    QPainter painter;
    if (!painter.begin(&image)) {
        return Result::Failed;
    }
    const QFont font = MakeFont(font_);
    painter.setFont(font);
    painter.setPen(QColor(textRgb_ & 0xFF, (textRgb_ >> 8) & 0xFF, (textRgb_ >> 16) & 0xFF));
    // (x, y) is the top-left corner of the text cell.
    painter.drawText(x, y + MetricsFor(font).ascent(), QString::fromUtf8(text.c_str()));
    painter.end();
    return Result::Ok;
}

Result Surface::MeasureText(const std::string& text, Size& out) {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (const Result r = owner_->Check(Call::MeasureText, text); r != Result::Ok) {
        return r;
    }
    if (!FontsAvailable()) {
        return Result::Failed;
    }
    const QFontMetrics metrics = MetricsFor(MakeFont(font_));
    out = {metrics.horizontalAdvance(QString::fromUtf8(text.c_str())), metrics.height()};
    return Result::Ok;
}

}  // namespace orbweave::display
