// A dialog's picture box as a presentation window: frames are stretched
// into the box's kept image, which repaints at the next pumping of events.
#pragma once

#include <QPointer>

#include "platform/display/window.h"

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

}  // namespace orbweave
