// Replaceable user-facing services: message boxes, the beep and opening a
// web page.
//
// Each is a plain function hook with a default that needs no display: the
// message box writes to standard error and returns its default answer, the
// beep does nothing, and no address can be opened. The forms layer installs
// real ones; tests install recorders.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/product.h"

namespace orbweave {

enum class MessageIcon { Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageStyle {
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // Which button is the default, counted from 0 (Ok, or Yes / No / Cancel).
    int defaultButton = 0;
};

// The answer given by pressing the default button of a style.
MessageAnswer DefaultAnswer(const MessageStyle& style);

using MessageBoxService =
    std::function<MessageAnswer(std::string_view text, std::string_view title, const MessageStyle& style)>;
using BeepService = std::function<void()>;

// Shows a modal message and returns the button pressed.
MessageAnswer ShowMessage(std::string_view text, std::string_view title, const MessageStyle& style);

// Sounds the system beep.
void Beep();

// Opens a web page or mail address with the desktop's handler; false when
// there is no handler to ask.
using UrlService = std::function<bool(std::string_view address)>;
bool OpenUrl(std::string_view address);

// Opens a web page with the desktop; when that cannot be asked, says so in an
// information box.
void OpenWebPage(std::string_view address);

// Installs a service and returns the one it replaces; an empty function puts
// the default back.
MessageBoxService SetMessageBoxService(MessageBoxService service);
BeepService SetBeepService(BeepService service);
UrlService SetUrlService(UrlService service);

}  // namespace orbweave
