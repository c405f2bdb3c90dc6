// What the window system tells a running animation, in the few kinds the
// program acts on. SDL's events are read once per frame, translated here and
// handed to one replaceable handler (the saver window and the preview install
// their own); with none they are dropped. The layers above never see SDL.
#pragma once

#include <functional>

namespace orbweave::display {

enum class WindowEventKind {
    KeyDown,
    MouseButtonDown,
    MouseMove,    // x and y: the pointer's position in the window's pixels
    Quit,         // the window system asks the program to end
    WindowClose,  // the window is told to close
};

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::Quit;
    double x = 0.0;
    double y = 0.0;
    bool operator==(const WindowEvent&) const = default;
};

using WindowEventHandler = std::function<void(const WindowEvent&)>;
void SetWindowEventHandler(WindowEventHandler handler);

// Hands one event to the installed handler, as each pending SDL event is.
void DispatchWindowEvent(const WindowEvent& event);

// Reads SDL's pending events, each with its own position: a slow frame must
// not swallow a counted mouse move.
void PumpSdlEvents();

// One pass over the window system's pending events: Qt's, when a Qt
// application runs, then SDL's.
void PumpWindowEvents();

// Keeps SDL from putting in handlers of its own for SIGINT and SIGTERM when
// its video starts (it would turn them into Quit events): the program
// handles its stop signals itself.
void LeaveStopSignalsToTheProgram();

}  // namespace orbweave::display
