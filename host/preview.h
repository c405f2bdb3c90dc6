#pragma once

// The control-panel preview: our drawing window inside the host X11 window
// given after "/P", sized to it, running the universe with the preview's
// reduced star counts until the host goes away.

#include <memory>
#include <string>
#include <string_view>

#include "core/product.h"
#include "renderer/display/display_settings.h"

namespace orbweave {

// The drawing window, picPreview. Its size is the host's times the screen's
// twips per pixel; the drawing size divides it back, so the picture exactly
// fills the host.
class PreviewTarget final : public DrawingTarget {
public:
    explicit PreviewTarget(std::shared_ptr<display::Window> window);

    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override;
    double InnerHeight() const override;

private:
    std::shared_ptr<display::Window> window_;
};

// The preview's animation loop in `pic`, then the display's release.
void RunPreviewLoop(const PreviewTarget& pic);

// The whole preview in HostWindowHandle (frmPreview's load); ends the process.
void RunPreview();

}  // namespace orbweave
