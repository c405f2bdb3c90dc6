#include "host/run_modes.h"

#include <iterator>
#include <string>

#include "core/colour_tables.h"
#include "host/console.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"

namespace orbweave {

namespace {

constexpr const char* kColourDepthLines[] = {
    "You must be running in High Color (16 bits) or True Color (24 or 32 bits) mode.",
    "",
    "You can change your Color Settings by following these steps:",
    "1.  Open the display settings of your desktop, or the configuration of the X server (xorg.conf).",
    "2.  Choose a color depth of 16 bits or more (in xorg.conf, DefaultDepth in the Screen section).",
    "3.  Log out and log in again, so that the X server starts with the new color depth.",
};

std::string ColourDepthMessage() {
    std::string text = kColourDepthLines[0];
    for (std::size_t i = 1; i < std::size(kColourDepthLines); ++i) {
        text += "\r\n";
        text += kColourDepthLines[i];
    }
    return text;
}

}  // namespace

bool CheckColorDepth(bool showMessage) {
    if (colourTables.DisplayBpp >= kLeastColourDepth) {
        return true;
    }
    if (showMessage) {
        // Qt paints nothing on a screen of fewer than 16 bits: its box would
        // stay black and unreadable, waiting for an OK nobody knows to give.
        // The message goes on standard error instead.
        WriteUnattendedMessage(ColourDepthMessage(), kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
    }
    ReleaseDirectX();
    return false;
}

}  // namespace orbweave
