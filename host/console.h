#pragma once

// What the program says on standard error when nobody watches a screen:
// messages that no one can answer, and Qt's start-up notices.

#include <string_view>

#include "platform/system/services.h"

namespace orbweave {

// False on Qt's headless platforms (offscreen, minimal), which draw into
// memory only: no one sees a window or a message box there.
bool WindowsCanBeSeen();

// Writes the message to standard error. A question takes the answer that
// does nothing (No, or Cancel where offered), whichever button is the
// default: no one is there to choose.
MessageAnswer WriteUnattendedMessage(std::string_view text, std::string_view title, const MessageStyle& style);

// Keeps Qt's notice that XDG_RUNTIME_DIR is not set off standard error: Qt
// asks for that folder while it starts (on every platform), finds its own
// private one, and says so on every run where the variable is unset, as
// under CI or a bare session. Every other message passes unchanged; after a
// fatal one (no platform plugin could be loaded, as when memory runs out)
// the process ends with status 1, as every start that cannot run does,
// instead of Qt's abort. Call it before the Qt application is made.
void FilterQtMessages();

}  // namespace orbweave
