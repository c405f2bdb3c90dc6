#include "host/console.h"

#include <QtGlobal>

#include "host/startup.h"
#include "host_fixture.h"
#include "platform/forms/service_recorder.h"
#include "renderer/display/display.h"

namespace orbweave {
namespace {

class ConsoleTest : public testing::HostTest {};

TEST_F(ConsoleTest, AQuestionNoOneCanAnswerTakesTheAnswerThatDoesNothing) {
    const struct {
        MessageStyle style;
        MessageAnswer answer;
    } cases[] = {
        {{MessageIcon::Information, MessageButtons::Ok, 0}, MessageAnswer::Ok},
        {{MessageIcon::Question, MessageButtons::YesNo, 0}, MessageAnswer::No},  // even when Yes is the default
        {{MessageIcon::Question, MessageButtons::YesNo, 1}, MessageAnswer::No},
        {{MessageIcon::Question, MessageButtons::YesNoCancel, 0}, MessageAnswer::Cancel},
    };
    for (const auto& c : cases) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(WriteUnattendedMessage("Go on?", "Orbweave", c.style), c.answer);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Orbweave: Go on?\n");
    }
}

// Without a display the start-up explains what is missing on standard error,
// opens nothing and ends with status 1.
TEST_F(ConsoleTest, WithoutADisplayNothingIsOpened) {
    const ServiceRecorder recorder;
    SetMessageBoxService(WriteUnattendedMessage);
    SetDisplayOpener([] { return display::OpenResult{nullptr, display::OpenFailure::RootMissing}; });
    ::testing::internal::CaptureStderr();
    Main("/A");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.starts_with("Orbweave: X Display Not Found\r\n")) << said;
    EXPECT_TRUE(recorder.addresses.empty());
    EXPECT_EQ(ended, std::vector<int>{kExitFailure});
}

TEST_F(ConsoleTest, OnlyTheRuntimeFolderNoticeIsKeptQuiet) {
    FilterQtMessages();
    ::testing::internal::CaptureStderr();
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-someone'");
    qWarning("QStandardPaths: wrong permissions on runtime directory /tmp/x, 0755 instead of 0700");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("XDG_RUNTIME_DIR"), std::string::npos) << said;
    EXPECT_NE(said.find("wrong permissions"), std::string::npos) << said;
}

// Qt gives up on a start it cannot make with a fatal message, then aborts.
TEST_F(ConsoleTest, AFatalQtMessageIsSaidAndEndsWithStatusOne) {
    FilterQtMessages();
    EXPECT_EXIT(qFatal("no Qt platform plugin could be initialized"), ::testing::ExitedWithCode(1), "plugin");
}

}  // namespace
}  // namespace orbweave
