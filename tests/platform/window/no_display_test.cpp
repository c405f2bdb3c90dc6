// Without an X display every lookup finds nothing and every action does
// nothing. The display is taken away before the first connection is made.
#include "platform/window/x11_pixels.h"
#include "platform/window/x11_windows.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orbweave::window {
namespace {

const bool kNoDisplay = [] { return ::unsetenv("DISPLAY") == 0; }();

TEST(WindowsWithoutADisplay, LookupsFindNothing) {
    ASSERT_TRUE(kNoDisplay);
    EXPECT_EQ(FindWindowA("Zarv:Orbweave 5.0g"), 0u);
    EXPECT_FALSE(IsWindow(1234));
    EXPECT_FALSE(HostWindowSize(1234).has_value());
    EXPECT_FALSE(ScreenBitsPerPixel().has_value());
}

TEST(WindowsWithoutADisplay, ActionsDoNothing) {
    EXPECT_FALSE(SetForegroundWindow(1234));
    EXPECT_FALSE(MakeWindowTopmost(1234));
    EXPECT_EQ(CreateHiddenWindow("Zarv:Preview Orbweave 5.0g"), 0u);
    // No screen to share: the one instance is this one.
    EXPECT_TRUE(ClaimWindowCaption("Zarv:Orbweave 5.0g"));
    DestroyWindow(0);
}

}  // namespace
}  // namespace orbweave::window
