// A drawing surface that keeps its image: forms and picture boxes draw into it
// in their own scale, and every repaint shows the kept image again until it is
// cleared.
//
// Coordinates are in scale units with the origin at the top left and y
// growing downwards: twips by default, or pixels, or a scale of the caller's
// choosing. Colours are 32-bit values in RGB order (red in bits 0-7). Shapes
// include both corner points; drawing outside the surface is clipped.
#pragma once

#include <cstdint>
#include <string_view>

#include <QImage>

#include "platform/forms/control.h"

class QPainter;
class QWidget;

namespace orbweave {

inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

class Canvas {
public:
    explicit Canvas(QWidget& surface);

    // --- Scale ---
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    void SetScalePixels();
    // A scale of the caller's: (left, top) is the top-left corner and the
    // surface spans width by height units. Refused when either is 0 or not finite.
    bool SetScale(double left, double top, double width, double height);

    // --- Drawing state ---
    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t colour) { backColor_ = colour; }
    int DrawWidth() const { return drawWidth_; }
    bool SetDrawWidth(int pixels);
    int FillStyle() const { return fillStyle_; }
    bool SetFillStyle(int style);
    std::int32_t FillColor() const { return fillColor_; }
    void SetFillColor(std::int32_t colour) { fillColor_ = colour; }
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font) { font_ = font; }

    // --- Drawing, in scale units ---
    // Fills the whole image with the back colour; the current point returns to the top left.
    void Cls();
    void PSet(double x, double y, std::int32_t colour);
    void Line(double x1, double y1, double x2, double y2, std::int32_t colour);
    // A line from the current point.
    void LineTo(double x, double y, std::int32_t colour);
    // The outline of a rectangle given by two opposite corners, DrawWidth pixels thick inwards.
    void Box(double x1, double y1, double x2, double y2, std::int32_t colour);
    void FilledBox(double x1, double y1, double x2, double y2, std::int32_t colour);
    // A circle whose radius is measured in horizontal units, outlined in the
    // colour and filled with the fill colour unless the fill style is transparent.
    void Circle(double x, double y, double radius, std::int32_t colour);
    // Text whose top-left corner is at (x, y), in the canvas font.
    void PrintText(double x, double y, std::string_view text, std::int32_t colour);
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text) const;
    // Stretches an image over the whole surface (a presented frame).
    void DrawStretched(const QImage& image);

    // --- The kept image ---
    int PixelWidth() const;
    int PixelHeight() const;
    // The colour of a pixel in RGB order, or -1 outside the surface.
    std::int32_t Point(int px, int py) const;
    const QImage& Image() const { return image_; }

    // For the surface widget: paints the kept image, and keeps it (growing
    // it with the back colour) when the surface is resized.
    void PaintOn(QPainter& painter) const;
    void SurfaceResized();

private:
    enum class ScaleMode { Twips, Pixels, User };

    double UnitsPerPixelX() const;
    double UnitsPerPixelY() const;
    int ToPixelX(double x) const;
    int ToPixelY(double y) const;
    void FillPixels(int x1, int y1, int x2, int y2, std::int32_t colour);
    void Changed();

    QWidget& surface_;
    QImage image_;
    ScaleMode mode_ = ScaleMode::Twips;
    double scaleLeft_ = 0.0;
    double scaleTop_ = 0.0;
    double userWidth_ = 1.0;
    double userHeight_ = 1.0;
    std::int32_t backColor_ = 0xFFFFFF;
    int drawWidth_ = 1;
    int fillStyle_ = kFillTransparent;
    std::int32_t fillColor_ = 0;
    FontSpec font_;
    double currentX_ = 0.0;
    double currentY_ = 0.0;
};

}  // namespace orbweave
