#pragma once

// The full-screen saver: the saver window over the whole screen, the
// universe animation until a key, a mouse button or enough mouse movement,
// the fade-out, and the performance report.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/mouse_rule.h"
#include "host/run_modes.h"
#include "renderer/display/display_settings.h"

namespace orbweave {

// The saver window, frmSaver. Its events run inside the animation's
// per-frame yield; closing only sets StopRequested, and the display is faded
// and released once the animation has returned.
class SaverWindow final : public DrawingTarget {
public:
    explicit SaverWindow(std::shared_ptr<display::Window> window);

    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override;
    double InnerHeight() const override;

    // Seeds a new user's galaxy tables, then runs the universe until
    // StopRequested.
    void DisplayEffects();

    void KeyDown();
    void MouseDown();
    void MouseMove(double x, double y);
    // A request to close.
    void QueryUnload();
    // True once a close request went through.
    bool Unloaded() const { return unloaded_; }

private:
    std::shared_ptr<display::Window> window_;
    MouseMoveRule mouseRule_;
    // Adv_MouseMove = "1": mouse movement does not end the saver.
    bool mouseMoveIgnored_ = false;
    bool unloaded_ = false;
};

// Hands the window system's events to the saver window while it lives. Every event counts,
// each mouse motion with its own position, however many arrive between two
// frames: a slow frame must not swallow a counted move.
class SaverEventListener {
public:
    explicit SaverEventListener(SaverWindow& frm);
    ~SaverEventListener();
    SaverEventListener(const SaverEventListener&) = delete;
    SaverEventListener& operator=(const SaverEventListener&) = delete;
};

}  // namespace orbweave
