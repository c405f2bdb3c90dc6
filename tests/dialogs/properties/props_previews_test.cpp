// The previews of the properties dialog: a button runs its animation in
// picPreview while the dialog is locked, and Stop, Escape or closing ends it.
// The pacer's pump hook acts as the user inside the running loop.
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry/settings.h"
#include "props_fixture.h"
#include "renderer/display/display.h"

namespace orbweave::testing {
namespace {

// A hook that never stops the loop would hang the test: stop it after this.
constexpr int kRunawayPumps = 200;

class PropsPreviewTest : public PropsDialogTest {
protected:
    void SetUp() override {
        PropsDialogTest::SetUp();
        InitDirectX();
        Open();
    }
    // Runs `inside` at the first pump of the loop.
    void AtFirstPump(std::function<void()> inside) {
        onPump = [this, inside = std::move(inside)] {
            ++loopPumps;
            if (loopPumps == 1) inside();
            if (loopPumps > kRunawayPumps) runState.StopRequested = true;
        };
    }
    CommandButton& Button(std::string_view name) { return Get<CommandButton>(name); }

    int loopPumps = 0;
};

TEST_F(PropsPreviewTest, APreviewWithoutItsSelectionIsRefused) {
    Get<ListBox>("lstUniGalaxy").SetListIndex(-1);
    Dialog().cmdPreviewGal_Click();
    Dialog().cmdPreviewComp_Click();
    ASSERT_EQ(services->messages.size(), 2u);
    EXPECT_EQ(services->messages[0].text, "Please select a Galaxy Type.");
    EXPECT_EQ(services->messages[1].text, "Please select a Composite Galaxy Type.");
    EXPECT_EQ(services->messages[1].title, "Orbweave");
    EXPECT_EQ(Button("cmdPreviewGal").Caption(), "Preview Galaxy");
    EXPECT_TRUE(Get("lstUniGalaxy").Enabled());
    EXPECT_EQ(loopPumps, 0);
}

TEST_F(PropsPreviewTest, OnlyTheRunningButtonStaysUsableUntilStop) {
    std::vector<bool> inside;
    std::string caption;
    AtFirstPump([&] {
        for (auto [name, index] : {std::pair<std::string_view, int>{"cmdPreviewUni", kNoIndex},
                                   {"fraPreview", kNoIndex},
                                   {"mnuFileArray", 0},
                                   {"cboResolution", kNoIndex},
                                   {"txtUni", 0},
                                   {"lstUniGalaxy", kNoIndex},
                                   {"cmdPreviewGal", kNoIndex}})
            inside.push_back(Get(name, index).Enabled());
        caption = Button("cmdPreviewUni").Caption();
        Button("cmdPreviewUni").PerformClick();
    });
    Get<ComboBox>("cboResolution").SetListIndex(1);
    Button("cmdPreviewUni").PerformClick();

    EXPECT_EQ(caption, "Stop");
    EXPECT_EQ(inside, (std::vector<bool>{true, true, true, false, false, false, false}));
    EXPECT_LT(loopPumps, 5);
    EXPECT_EQ(Button("cmdPreviewUni").Caption(), "Preview Universe");
    EXPECT_TRUE(Get("lstUniGalaxy").Enabled());
    EXPECT_TRUE(Get("cboResolution").Enabled());
    // A listed resolution keeps the custom size boxes off.
    EXPECT_FALSE(Get("txtDXRes", 0).Enabled());
    EXPECT_FALSE(Get("txtDXRes", 1).Enabled());
    EXPECT_FALSE(Dialog().PreviewActive());
}

TEST_F(PropsPreviewTest, EscapeStopsARunningPreviewAndCancelsWhenIdle) {
    Get<ListBox>("lstUniGalaxy").SetListIndex(2);
    const CommandButton* cancelInside = nullptr;
    AtFirstPump([&] {
        cancelInside = Frm().CancelButton();
        Frm().CancelButton()->PerformClick();
    });
    Button("cmdPreviewGal").PerformClick();
    EXPECT_EQ(cancelInside, &Button("cmdPreviewGal"));
    EXPECT_EQ(Button("cmdPreviewGal").Caption(), "Preview Galaxy");
    EXPECT_TRUE(Dialog().Loaded());
    EXPECT_EQ(Frm().CancelButton(), &Button("cmdDismiss"));
    Frm().CancelButton()->PerformClick();
    EXPECT_FALSE(Dialog().Loaded());
}

TEST_F(PropsPreviewTest, ASecondClickWhileTheLoopUnwindsStartsNoSecondLoop) {
    std::string captionAfterStart;
    AtFirstPump([&] {
        Dialog().cmdPreviewUni_Click();
        Dialog().cmdPreviewUni_Click();
        captionAfterStart = Button("cmdPreviewUni").Caption();
    });
    Dialog().cmdPreviewUni_Click();
    // The button reads "Stop" until the loop has returned.
    EXPECT_EQ(captionAfterStart, "Stop");
    EXPECT_LT(loopPumps, 5);
    EXPECT_EQ(Button("cmdPreviewUni").Caption(), "Preview Universe");
    EXPECT_TRUE(Get("lstUniGalaxy").Enabled());
}

TEST_F(PropsPreviewTest, ClosingDuringAPreviewEndsTheLoopBeforeTheDisplayIsReleased) {
    Get("txtUni", 1).SetText("7");
    bool loadedInside = false;
    std::size_t callsInside = 0;
    AtFirstPump([&] {
        Frm().Window()->close();
        loadedInside = Dialog().Loaded();
        callsInside = system->Calls().size();
    });
    Dialog().cmdPreviewUni_Click();
    EXPECT_TRUE(loadedInside);
    EXPECT_LT(loopPumps, 5);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_FALSE(displayState.DX);
    const std::vector<display::Call> after = CallsSince(callsInside);
    EXPECT_NE(std::find(after.begin(), after.end(), display::Call::Release), after.end());
    EXPECT_EQ(GetSettingString("Universe", "Universe_Galaxy"), "");
}

TEST_F(PropsPreviewTest, ADisplayThatCannotBeSetUpLeavesTheDialogIdle) {
    system->Fail(display::Call::SetCooperativeLevel, display::Result::Failed);
    Dialog().cmdPreviewUni_Click();
    EXPECT_EQ(Button("cmdPreviewUni").Caption(), "Preview Universe");
    EXPECT_TRUE(Get("lstUniGalaxy").Enabled());
    EXPECT_EQ(Frm().CancelButton(), &Button("cmdDismiss"));
    EXPECT_FALSE(Dialog().PreviewActive());
}

TEST_F(PropsPreviewTest, DoubleClickingACompositeStartsOnePreview) {
    Get<ComboBox>("cboUniExtras").SetListIndex(3);
    Get<ListBox>("lstCompGalaxy").SetListIndex(0);
    std::string caption;
    AtFirstPump([&] {
        caption = Button("cmdPreviewComp").Caption();
        Control::Raise(Get("lstCompGalaxy").events.dblClick);
    });
    Control::Raise(Get("lstCompGalaxy").events.dblClick);
    EXPECT_EQ(caption, "Stop");
    EXPECT_GT(loopPumps, 0);
    EXPECT_LT(loopPumps, 5);
    EXPECT_EQ(Button("cmdPreviewComp").Caption(), "Preview Comp");
}


enum class PreviewHost { Galaxy, Universe, Composite };
enum class UserAction { Accept, Cancel, Escape, ShowProps, ListClick, TitleBarClose };
enum class Moment { SameFrameAsStop, FrameAfterStop };

struct PreviewHostRow {
    PreviewHost host;
    const char* name;
    std::string_view button;
};

constexpr PreviewHostRow kPreviewHosts[] = {
    {PreviewHost::Galaxy, "galaxy", "cmdPreviewGal"},
    {PreviewHost::Universe, "universe", "cmdPreviewUni"},
    {PreviewHost::Composite, "composite", "cmdPreviewComp"},
};

constexpr int kClickedType = 4;

class PropsUnwindTest : public PropsDialogTest {
protected:
    void OpenFresh(const PreviewHostRow& row) {
        PropertiesDialog::Release();
        // A closed dialog released the display: each case opens a new one.
        UseDesktop({display::PixelLayout::Xrgb8888, {640, 480}, {{640, 480, 32}}});
        InitDirectX();
        Open();
        Get<ListBox>("lstUniGalaxy").SetListIndex(2);
        if (row.host == PreviewHost::Composite) {
            Get<ComboBox>("cboUniExtras").SetListIndex(3);
            Get<ListBox>("lstCompGalaxy").SetListIndex(0);
        }
    }
    // A mouse click on an item of the galaxy-type list, which a disabled
    // list ignores as it would on the screen.
    void ClickListItem(int item) {
        auto* list = static_cast<QListWidget*>(Get("lstUniGalaxy").Widget());
        const QRect place = list->visualItemRect(list->item(item));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    void Press(UserAction action) {
        switch (action) {
        case UserAction::Accept: Get<CommandButton>("cmdAccept").PerformClick(); break;
        case UserAction::Cancel: Get<CommandButton>("cmdDismiss").PerformClick(); break;
        case UserAction::Escape: Frm().CancelButton()->PerformClick(); break;
        case UserAction::ShowProps: Get<CommandButton>("cmdGalProps").PerformClick(); break;
        case UserAction::ListClick: ClickListItem(kClickedType); break;
        case UserAction::TitleBarClose: Frm().Window()->close(); break;
        }
    }
    bool Done(UserAction action) {
        switch (action) {
        case UserAction::ShowProps: return Dialog().GalaxyPropsMode();
        case UserAction::ListClick: return Get<ListBox>("lstUniGalaxy").ListIndex() == kClickedType;
        default: return !Dialog().Loaded();
        }
    }
};

TEST_F(PropsUnwindTest, AClickAroundStopIsAppliedOnceAfterTheLoopOrDropped) {
    constexpr UserAction kActions[] = {UserAction::Accept,    UserAction::Cancel,    UserAction::Escape,
                                       UserAction::ShowProps, UserAction::ListClick, UserAction::TitleBarClose};
    int edit = 10;
    for (const PreviewHostRow& row : kPreviewHosts) {
        for (const UserAction action : kActions) {
            for (const Moment when : {Moment::SameFrameAsStop, Moment::FrameAfterStop}) {
                SCOPED_TRACE(::testing::Message() << row.name << ", action " << static_cast<int>(action) << ", "
                                                  << (when == Moment::SameFrameAsStop ? "same frame" : "frame after"));
                // Each case starts from an empty store.
                const ScopedConfig caseStore;
                OpenFresh(row);
                const std::string stored = GetSettingString("Universe", "Universe_Galaxy");
                const std::string edited = std::to_string(++edit);
                Get("txtUni", 1).SetText(edited);
                bool pressed = false;
                onPump = [&, action, when] {
                    if (pumps == 2) {
                        Get<CommandButton>(row.button).PerformClick();
                        if (when == Moment::SameFrameAsStop) {
                            Press(action);
                            pressed = true;
                        }
                    } else if (pumps > 2 && !pressed) {
                        Press(action);
                        pressed = true;
                    }
                    if (pumps > kRunawayPumps) runState.StopRequested = true;
                };
                pumps = 0;
                Get<CommandButton>(row.button).PerformClick();
                onPump = nullptr;
                ASSERT_GE(pumps, 2);
                if (!pressed) Press(action);

                const bool dropped = !Done(action);
                EXPECT_EQ(dropped, when == Moment::SameFrameAsStop && action != UserAction::TitleBarClose);
                if (dropped) {
                    EXPECT_TRUE(Dialog().Loaded());
                    EXPECT_EQ(GetSettingString("Universe", "Universe_Galaxy"), stored);
                    EXPECT_NE(Get(row.button).Caption(), "Stop");
                    // The user clicks again, now on an unlocked dialog.
                    Press(action);
                    EXPECT_TRUE(Done(action));
                }
                EXPECT_FALSE(Dialog().PreviewActive());
                EXPECT_EQ(GetSettingString("Universe", "Universe_Galaxy"),
                          action == UserAction::Accept ? edited : stored);
            }
        }
    }
}

}  // namespace
}  // namespace orbweave::testing
