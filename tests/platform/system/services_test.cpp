#include "platform/system/services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbweave {
namespace {

TEST(MessageBoxService, DefaultAnswersWithTheDefaultButton) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage("note", kMessageTitle, {}), MessageAnswer::Ok);
    EXPECT_EQ(ShowMessage("q", kMessageTitle, {MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage("q", kMessageTitle, {MessageIcon::Question, MessageButtons::YesNo, 1}), MessageAnswer::No);
    EXPECT_EQ(ShowMessage("q", kMessageTitle, {MessageIcon::Question, MessageButtons::YesNoCancel, 2}),
              MessageAnswer::Cancel);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("Orbweave: note"), std::string::npos);
}

TEST(MessageBoxService, AnInstalledServiceReceivesEveryMessageUntilReplaced) {
    std::string seen;
    MessageStyle seenStyle;
    auto previous = SetMessageBoxService([&](std::string_view text, std::string_view title, const MessageStyle& style) {
        seen = std::string(title) + "|" + std::string(text);
        seenStyle = style;
        return MessageAnswer::No;
    });
    EXPECT_EQ(ShowMessage("Sure?", "Orbweave", {MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::No);
    EXPECT_EQ(seen, "Orbweave|Sure?");
    EXPECT_EQ(seenStyle.icon, MessageIcon::Question);
    SetMessageBoxService(previous);

    SetMessageBoxService(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage("back", kMessageTitle, {}), MessageAnswer::Ok);
    testing::internal::GetCapturedStderr();
}

TEST(BeepService, DoesNothingByDefaultAndCallsAnInstalledService) {
    Beep();
    int beeps = 0;
    SetBeepService([&] { ++beeps; });
    Beep();
    Beep();
    SetBeepService(nullptr);
    Beep();
    EXPECT_EQ(beeps, 2);
}

// Without the forms layer no desktop handler can be asked, so a web page the
// program offers is reported as unreachable rather than silently dropped.
TEST(UrlService, WithoutAHandlerAWebPageIsReportedUnreachable) {
    std::vector<std::string> messages;
    auto previousBox = SetMessageBoxService([&](std::string_view text, std::string_view, const MessageStyle&) {
        messages.emplace_back(text);
        return MessageAnswer::Ok;
    });
    EXPECT_FALSE(OpenUrl("https://example.invalid/"));
    OpenWebPage("https://example.invalid/");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The Web Page could not be reached.\r\n\r\nURL:  https://example.invalid/");

    std::vector<std::string> opened;
    auto previousUrl = SetUrlService([&](std::string_view address) {
        opened.emplace_back(address);
        return true;
    });
    OpenWebPage("https://example.invalid/");
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.invalid/"});
    EXPECT_EQ(messages.size(), 1u);
    SetUrlService(previousUrl);
    SetMessageBoxService(previousBox);
}

}  // namespace
}  // namespace orbweave
