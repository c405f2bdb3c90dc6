#pragma once

// What the program says on standard error when nobody watches a screen:
// messages that no one can answer.

#include <string_view>

#include "platform/system/services.h"

namespace orbweave {

// Writes the message to standard error. A question takes the answer that
// does nothing (No, or Cancel where offered), whichever button is the
// default: no one is there to choose.
MessageAnswer WriteUnattendedMessage(std::string_view text, std::string_view title, const MessageStyle& style);

}  // namespace orbweave
