#include "host/preview.h"

#include <utility>

#include "host/run_modes.h"
#include "host/trace.h"
#include "platform/display/sdl_backend.h"
#include "platform/display/window_events.h"
#include "platform/window/x11_windows.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_settings.h"

namespace orbweave {

namespace {

// The drawing window is told to go (the window system closing it with its
// host): the preview stops at the end of the frame.
void DispatchPreviewEvent(const display::WindowEvent& event) {
    if (event.kind == display::WindowEventKind::Quit || event.kind == display::WindowEventKind::WindowClose) {
        runState.StopRequested = true;
    }
}

// The hidden window that carries the preview's name, for its life.
class HiddenWindow {
public:
    explicit HiddenWindow(std::string_view caption) : id_(window::CreateHiddenWindow(caption)) {}
    ~HiddenWindow() { window::DestroyWindow(id_); }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

private:
    window::NativeWindowId id_;
};

}  // namespace

PreviewTarget::PreviewTarget(std::shared_ptr<display::Window> window) : window_(std::move(window)) {}

double PreviewTarget::InnerWidth() const {
    return window_ ? static_cast<double>(window_->DrawableSize().width) * runState.Screen.twipsPerPixel.x : 0.0;
}

double PreviewTarget::InnerHeight() const {
    return window_ ? static_cast<double>(window_->DrawableSize().height) * runState.Screen.twipsPerPixel.y : 0.0;
}

void RunPreviewLoop(const PreviewTarget& pic) {
    runState.StopRequested = false;
    LoadDisplaySettings(pic, true, 1.0f);
    while (!runState.StopRequested) {
        UniverseInputs inputs = LoadUniverseSettings(true);
        RunUniverse(inputs);
    }
    TraceEvent("stopped");
    ReleaseDirectX();
}

void RunPreview() {
    {
        const HiddenWindow frmPreview(kPreviewCaption);
        // A host of 0 or a window that does not exist gives no drawing
        // window: the preview ends at once.
        const double scale = TwipsDivisor(runState.Screen.twipsPerPixel.x);
        if (auto embedded = display::SdlWindow::CreateEmbedded(runState.HostWindowHandle, scale)) {
            const PreviewTarget pic(std::move(embedded));
            display::SetWindowEventHandler(DispatchPreviewEvent);
            RunPreviewLoop(pic);
            display::SetWindowEventHandler({});
        } else {
            ReleaseDirectX();
        }
    }
    EndProcess(kExitSuccess);
}

}  // namespace orbweave
