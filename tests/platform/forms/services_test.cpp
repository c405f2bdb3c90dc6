// Services: recorders in place of the real ones, the one-state busy pointer,
// help on F1 and the web-page fallback message.
#include <QTest>

#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/controls.h"
#include "platform/forms/service_recorder.h"
#include "platform/forms/services.h"
#include "platform/forms/window_utils.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

TEST(Services, RecordsMessagesAndAnswersFromTheScript) {
    ServiceRecorder recorder;
    recorder.messageAnswers.push_back(MessageAnswer::No);
    const MessageStyle question{MessageIcon::Question, MessageButtons::YesNoCancel, 0};
    EXPECT_EQ(ShowMessage("Save first?", kMessageTitle, question), MessageAnswer::No);
    EXPECT_EQ(ShowMessage("Save first?", kMessageTitle, question), MessageAnswer::Yes);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].title, "Orbweave");
    EXPECT_EQ(recorder.messages[0].style.icon, MessageIcon::Question);
}

TEST(Services, AnInputBoxGivesTheTypedTextOrEmptyWhenCancelled) {
    ServiceRecorder recorder;
    recorder.inputAnswers.push_back("1");
    EXPECT_EQ(InputBox("Write to the log?", "Performance Logging", "0"), "1");
    EXPECT_EQ(InputBox("Write to the log?", "Performance Logging", "0"), "");
    ASSERT_EQ(recorder.inputs.size(), 2u);
    EXPECT_EQ(recorder.inputs[1].defaultAnswer, "0");
}

TEST(Services, TheBusyPointerIsOneStateNotAStack) {
    ServiceRecorder recorder;
    SetBusyPointer(false);
    SetBusyPointer(true);
    SetBusyPointer(true);
    EXPECT_TRUE(BusyPointerShown());
    SetBusyPointer(false);
    EXPECT_FALSE(BusyPointerShown());
    EXPECT_EQ(recorder.busyStates, (std::vector<bool>{true, false}));
}

TEST(Services, F1AsksForHelpWithTheFocusedControlsContext) {
    ServiceRecorder recorder;
    Form form("frmTest");
    const ControlSpec box{"txtBox", kNoIndex, ControlKind::TextBox, {}, 60, 60, 900, 300, ""};
    Control& control = *form.AddControl(box);
    control.SetHelpContextId(7340);
    form.SetHelpContextId(7300);
    ASSERT_TRUE(testing::ShowActive(form));
    control.SetFocus();
    QTest::keyClick(control.Widget(), Qt::Key_F1);
    control.SetHelpContextId(0);
    QTest::keyClick(control.Widget(), Qt::Key_F1);
    ASSERT_EQ(recorder.helps.size(), 2u);
    EXPECT_EQ(recorder.helps[0].file, "Orbhelp50.hlp");
    EXPECT_EQ(recorder.helps[0].command, kHelpContext);
    EXPECT_EQ(recorder.helps[0].context, 7340);
    EXPECT_EQ(recorder.helps[1].context, 7300);
}

TEST(Services, AWebPageThatCannotBeOpenedIsReported) {
    ServiceRecorder recorder;
    OpenWebPage("https://example.invalid/");
    EXPECT_TRUE(recorder.messages.empty());
    recorder.addressesOpen = false;
    OpenWebPage("https://example.invalid/");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "The Web Page could not be reached.\r\n\r\nURL:  https://example.invalid/");
    EXPECT_EQ(recorder.messages[0].style.icon, MessageIcon::Information);
    EXPECT_EQ(recorder.addresses.size(), 2u);
}

}  // namespace
}  // namespace orbweave
