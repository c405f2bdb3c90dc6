// A dialog's picture box as a presentation window: frames are stretched
// into the box's kept image, which repaints at the next pumping of events.
#pragma once

#include <QPointer>
#include <memory>

#include "platform/display/window.h"
#include "renderer/display/display_settings.h"

class QWidget;

namespace orbweave {

class PictureBox;

class PictureBoxWindow final : public display::Window {
public:
    explicit PictureBoxWindow(PictureBox& box);

    display::Rect ScreenRect() const override;
    bool Exists() const override;
    display::Result Present(const display::Surface& frame) override;

private:
    PictureBox* box_;
    QPointer<QWidget> widget_;  // tells when the box has gone with its dialog
};

// A picture box as what an animation draws into: the previews of the
// properties dialog, the element editors and the About box. Its inner size is
// counted in pixels; a box that has gone with its dialog measures 0 x 0.
class PictureBoxTarget final : public DrawingTarget {
public:
    explicit PictureBoxTarget(PictureBox& box);

    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override;
    double InnerHeight() const override;

private:
    QPointer<QWidget> widget_;
    std::shared_ptr<PictureBoxWindow> window_;
};

}  // namespace orbweave
