// The editors on the memory display with the factory galaxy tables and a
// counting frame pacer, opened (modeless, so a test can drive them) from a
// stand-in properties dialog that holds only the boxes they read and write.
#pragma once

#include <functional>
#include <string>

#include "dialogs/common/preview_universe.h"
#include "dialogs/editors/ifs_dialog.h"
#include "dialogs/editors/levels_dialog.h"
#include "dialogs/editors/molecule_dialog.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "renderer/universe_test_support.h"

namespace orbweave::testing {

class EditorTest : public UniverseTest {
protected:
    void SetUp() override {
        UniverseTest::SetUp();
        PreviewUniverseInputs() = inputs;
        props.AddControl({"txtUniGalName", kNoIndex, ControlKind::TextBox, {}, 0, 0, 900, 300, "Spiral Test"});
        for (int index : {0, 1, 2, 9, 95})
            props.AddControl({"txtGalaxy", index, ControlKind::TextBox, {}, 0, 0, 900, 300, ""});
        props.AddControl({"txtUni", 0, ControlKind::TextBox, {}, 0, 0, 900, 300, "200"});
        props.AddControl({"txtUni", 16, ControlKind::TextBox, {}, 0, 0, 900, 300, "170"});
        props.AddControl({"txtUni", 17, ControlKind::TextBox, {}, 0, 0, 900, 300, "250"});
        props.SetText("txtGalaxy", 95, "0");
    }
    void TearDown() override {
        LevelsDialog::Release();
        MoleculeDialog::Release();
        IfsDialog::Release();
        UniverseTest::TearDown();
    }

    template <typename Editor>
    Form& Open(std::int16_t galaxyType) {
        Editor::Instance().FormLet({galaxyType, &props});
        Editor::Instance().Show();
        return Editor::Instance().Frm();
    }
    // Closes the editor and opens it again on the same galaxy type.
    template <typename Editor>
    Form& Reopen(std::int16_t galaxyType) {
        Editor::Release();
        return Open<Editor>(galaxyType);
    }

    static void Click(Form& form, std::string_view button, int index = kNoIndex) {
        form.Get<CommandButton>(button, index).PerformClick();
    }
    // Types into a box and leaves it, as the user does.
    static void Enter(Form& form, std::string_view box, int index, std::string_view text) {
        form.Get(box, index).SetFocus();
        form.SetText(box, index, text);
        form.Get("cmdPreview").SetFocus();
    }
    static std::string Text(const Form& form, std::string_view box, int index = kNoIndex) {
        return form.GetText(box, index).value_or("<missing>");
    }
    // Runs `during` at the given frame of the next preview; a preview that
    // is still running many frames later is stopped.
    void AtFrame(int frame, std::function<void()> during) {
        onPump = [this, frame, during = std::move(during)] {
            if (pumps == frame) during();
            if (pumps >= kRunawayFrames) runState.StopRequested = true;
        };
    }
    static constexpr int kRunawayFrames = 50;

    Form props{"frmProps"};
};

}  // namespace orbweave::testing
