// The user-facing services of the forms layer: an input box, the busy mouse
// pointer and help, plus the Qt message box, beep and address opener that
// InstallQtServices puts into the system's hooks.
//
// Each service is a replaceable function; tests put recorders in their place
// (ServiceRecorder). The defaults use Qt and do nothing without a QApplication.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system/services.h"

namespace orbweave {

// Puts Qt's message box, beep and address opener (the desktop's handler)
// into the system's service hooks. Called once at start, after the
// QApplication exists.
void InstallQtServices();

// The Qt services InstallQtServices puts in: a modal message box (the
// default answer without a QApplication), the beep and the desktop's handler
// for an address.
MessageAnswer QtMessageBox(std::string_view text, std::string_view title, const MessageStyle& style);
void QtBeep();
bool QtOpenUrl(std::string_view address);

// --- Input box ---
// The answer typed, or nothing when the user cancelled.
using InputBoxService =
    std::function<std::optional<std::string>(std::string_view prompt, std::string_view title, std::string_view answer)>;
// A modal box asking for one line of text, offering a default answer; a
// cancelled box gives "".
std::string InputBox(std::string_view prompt, std::string_view title, std::string_view defaultAnswer = "");
InputBoxService SetInputBoxService(InputBoxService service);

// --- Busy pointer ---
// One state, not a stack: any number of busy calls is undone by one idle call.
using BusyPointerService = std::function<void(bool busy)>;
void SetBusyPointer(bool busy);
bool BusyPointerShown();
BusyPointerService SetBusyPointerService(BusyPointerService service);

// --- Help ---
inline constexpr int kHelpContext = 1;
inline constexpr int kHelpQuit = 2;
inline constexpr int kHelpContents = 3;
inline constexpr int kHelpFinder = 11;

// No help viewer exists here: the default opens the help file, found beside
// the program, with the desktop's handler when both exist, and otherwise does
// nothing. The context number cannot be passed on to a handler.
using HelpService = std::function<void(std::string_view helpFile, int command, int context)>;
void ShowHelp(std::string_view helpFile, int command, int context);
HelpService SetHelpService(HelpService service);

}  // namespace orbweave
