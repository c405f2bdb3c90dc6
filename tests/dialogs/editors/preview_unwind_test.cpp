// Every editor, every button or key the user can reach while its preview
// runs, given in the same frame as Stop or in the frame after: the record and
// the properties dialog's boxes end exactly as the same clicks leave them
// without a preview, and a click is never stored and then undone.
#include <QWidget>

#include "editor_fixture.h"

namespace orbweave::testing {
namespace {

enum class Host { Levels, Molecule, Ifs };
enum class Action { Ok, Cancel, Escape, TitleBarClose };
enum class When { SameFrameAsStop, FrameAfterStop };

struct HostRow {
    Host host;
    const char* name;
    std::int16_t type;
};

constexpr HostRow kHosts[] = {
    {Host::Levels, "levels", 3},
    {Host::Molecule, "molecule", 7},
    {Host::Ifs, "ifs", 20},
};

// The fields an editor stores: the levels, the IFS block, the atoms, and the
// radius, rotation and distance. The renderer's own run-time fields of the
// record are left out.
struct Edited {
    std::int16_t levels;
    std::int32_t step;
    float height;
    std::int16_t flags[3];
    IfsBlock ifs;
    AtomBlock atoms;
    std::int32_t extent[3];
    bool operator==(const Edited&) const = default;
};

Edited EditedOf(const UniGalaxy& r) {
    return {r.Galaxy_StdLevels,
            r.Galaxy_StdLevDRad,
            r.Galaxy_StdLevHSca,
            {r.Galaxy_StdLevB_HS, r.Galaxy_StdLevB_A0, r.Galaxy_StdLevB_A1},
            r.Ifs,
            r.Atoms,
            {r.Galaxy_Radius, r.Galaxy_Rotation, r.Galaxy_Distance}};
}

constexpr int kStopFrame = 2;
constexpr const char* kEditedRadius = "2500";

class PreviewUnwindTest : public EditorTest {
protected:
    Form& OpenFresh(const HostRow& row) {
        switch (row.host) {
        case Host::Levels: return Reopen<LevelsDialog>(row.type);
        case Host::Molecule: return Reopen<MoleculeDialog>(row.type);
        case Host::Ifs: break;
        }
        return Reopen<IfsDialog>(row.type);
    }
    bool Loaded(const HostRow& row) {
        switch (row.host) {
        case Host::Levels: return LevelsDialog::Instance().Loaded();
        case Host::Molecule: return MoleculeDialog::Instance().Loaded();
        case Host::Ifs: break;
        }
        return IfsDialog::Instance().Loaded();
    }
    // What the user changes before the preview: the radius and every field
    // of the editor's own block.
    static void Edit(const HostRow& row, Form& form) {
        switch (row.host) {
        case Host::Levels:
            form.SetText("txtLevel", 0, "7");
            form.SetText("txtLevel", 1, "250");
            form.SetText("txtLevel", 2, "2.5");
            for (int flag = 0; flag < 3; ++flag)
                form.SetValue("chkToggle", flag, 1 - form.GetValue("chkToggle", flag).value_or(0));
            break;
        case Host::Molecule: form.SetListIndex("cboTheme", kNoIndex, 1); break;
        case Host::Ifs: form.SetListIndex("cboTheme", kNoIndex, 3); break;
        }
        form.SetText("txtGalaxy", 0, kEditedRadius);
    }
    static void Press(Form& form, Action action) {
        switch (action) {
        case Action::Ok: Click(form, "cmdOK"); break;
        case Action::Cancel: Click(form, "cmdDismiss"); break;
        case Action::Escape: form.CancelButton()->PerformClick(); break;
        case Action::TitleBarClose: form.Window()->close(); break;
        }
    }
};

TEST_F(PreviewUnwindTest, AClickAroundStopIsAppliedOnceAfterTheRestoreOrDropped) {
    constexpr Action kActions[] = {Action::Ok, Action::Cancel, Action::Escape, Action::TitleBarClose};
    for (const HostRow& row : kHosts) {
        SCOPED_TRACE(row.name);
        UniGalaxy& record = UniGalaxies[static_cast<std::size_t>(row.type)];
        const UniGalaxy original = record;
        const Edited before = EditedOf(record);
        // What OK stores without any preview.
        Form& plain = OpenFresh(row);
        Edit(row, plain);
        Click(plain, "cmdOK");
        ASSERT_FALSE(Loaded(row));
        const Edited asked = EditedOf(record);
        ASSERT_FALSE(asked == before);

        for (const Action action : kActions) {
            for (const When when : {When::SameFrameAsStop, When::FrameAfterStop}) {
                SCOPED_TRACE(::testing::Message() << "action " << static_cast<int>(action) << ", "
                                                << (when == When::SameFrameAsStop ? "same frame" : "frame after"));
                record = original;
                props.SetText("txtGalaxy", 0, "");
                Form& form = OpenFresh(row);
                Edit(row, form);
                bool pressed = false;
                onPump = [&, action, when] {
                    if (pumps == kStopFrame) {
                        Click(form, "cmdPreview");
                        if (when == When::SameFrameAsStop) {
                            Press(form, action);
                            pressed = true;
                        }
                    } else if (pumps > kStopFrame && !pressed) {
                        Press(form, action);
                        pressed = true;
                    }
                    if (pumps >= kRunawayFrames) runState.StopRequested = true;
                };
                pumps = 0;
                Click(form, "cmdPreview");
                if (!pressed) Press(form, action);
                onPump = nullptr;

                const bool dropped = Loaded(row);
                // The editor stayed locked while the display unwound: only a
                // click in the frame of the Stop can have met it, and only a
                // title-bar close survives it (it waits for the restore).
                EXPECT_EQ(dropped, when == When::SameFrameAsStop && action != Action::TitleBarClose);
                if (dropped) {
                    EXPECT_TRUE(EditedOf(record) == before);
                    EXPECT_EQ(Text(props, "txtGalaxy", 0), "");
                    EXPECT_NE(form.Get("cmdPreview").Caption(), "Stop");
                    EXPECT_TRUE(form.Get("cmdOK").Enabled());
                    // The user presses again, now on an idle editor.
                    Press(form, action);
                    EXPECT_FALSE(Loaded(row));
                }
                const bool ok = action == Action::Ok;
                EXPECT_TRUE(EditedOf(record) == (ok ? asked : before));
                EXPECT_EQ(Text(props, "txtGalaxy", 0), ok ? kEditedRadius : "");
            }
        }
        record = original;
    }
}

}  // namespace
}  // namespace orbweave::testing
