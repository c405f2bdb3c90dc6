// The dialog skeleton: one shared instance per dialog, loading on the first
// show with the parameters handed over, the placement kept under
// "General\<name>", modal and modeless showing, unloading and letting go.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

#include "dialogs/common/dialog.h"
#include "dialogs/common/dialog_test_tables.h"
#include "platform/forms/controls.h"
#include "platform/forms/screen.h"
#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"

namespace orbweave {
namespace {

constexpr std::string_view kProbeSection = "General\\Probe";

struct ProbeParameters {
    int galaxyType = -1;
};

class ProbeDialog final : public Dialog<ProbeDialog, ProbeParameters> {
public:
    ProbeDialog() : Dialog("frmProbe", testing::kProbeControls, "Probe") {}

    int loads = 0;
    int handedAtLoad = -1;
    bool refuseUnload = false;
    // A least size the dialog keeps when resized, as the editors do, and
    // takes while loading, as a larger font would give it.
    int minSide = 0;

protected:
    void Load() override {
        ++loads;
        handedAtLoad = Handed().galaxyType;
        Frm().events.resize = [this] {
            if (Frm().Width() < minSide) Frm().Move(Frm().Left(), Frm().Top(), minSide, minSide);
        };
    }
    void Unloading(bool& cancel) override { cancel = refuseUnload; }
};

class CentredDialog final : public Dialog<CentredDialog> {
public:
    CentredDialog() : Dialog("frmCentred", testing::kProbeControls, "") {}
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        ProbeDialog::Release();
        CentredDialog::Release();
    }
    ProbeDialog& Probe() { return ProbeDialog::Instance(); }

    testing::ScopedConfig config;
};

TEST_F(DialogTest, ShowingTwiceShowsTheOneLoadedWindow) {
    ProbeDialog& first = Probe();
    first.Show();
    Probe().Show();
    EXPECT_EQ(&Probe(), &first);
    EXPECT_EQ(first.loads, 1);
    EXPECT_TRUE(first.Loaded());
    EXPECT_TRUE(first.Frm().Visible());
}

TEST_F(DialogTest, ParametersAreHandedOverBeforeLoading) {
    Probe().FormLet({7});
    Probe().Show();
    EXPECT_EQ(Probe().handedAtLoad, 7);
}

TEST_F(DialogTest, ThePlacementIsRestoredOnLoadingAndSavedOnUnloading) {
    SaveSettingValue(kProbeSection, "WindowState", "0");
    SaveSettingValue(kProbeSection, "WindowSize", "01500009000300002250");
    Probe().Show();
    EXPECT_EQ(Probe().Frm().Left(), 1500);
    EXPECT_EQ(Probe().Frm().Top(), 900);
    Probe().Frm().Move(3000, 1500, 4500, 3000);
    EXPECT_TRUE(Probe().Unload());
    EXPECT_FALSE(Probe().Loaded());
    EXPECT_EQ(GetSettingString(kProbeSection, "WindowSize"), "03000015000450003000");
}

TEST_F(DialogTest, ADialogWithoutAPlacementNameIsCentredAndStoresNothing) {
    CentredDialog& dialog = CentredDialog::Instance();
    dialog.Frm().Move(0, 0, 3000, 1500);
    dialog.Show();
    // Centred with its frame, which the window system adds around the 3000 twips.
    EXPECT_EQ(dialog.Frm().Left(), (ScreenWidthTwips() - dialog.Frm().Width()) / 2);
    EXPECT_GE(dialog.Frm().Width(), 3000);
    dialog.Frm().Move(0, 0);
    dialog.Unload();
    EXPECT_EQ(GetSettingString("General\\", "WindowState", "none"), "none");
    EXPECT_EQ(GetSettingString("General\\frmCentred", "WindowState", "none"), "none");
}

// A place stored for a smaller window, a tiny size far off that grows to the
// dialog's least size, a size beyond the screen, and a centred window larger
// than the screen, all open with the whole window on it.
TEST_F(DialogTest, ADialogOpensInsideTheScreenWhateverItsSizeAfterLoading) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    SaveSettingValue(kProbeSection, "WindowState", "0");
    for (const char* stored : {"09000060000300002250", "99999999990100001000", "00000000009999999999"}) {
        SaveSettingValue(kProbeSection, "WindowSize", stored);
        Probe().minSide = area.height() * 15 / 2;
        Probe().Show();
        EXPECT_TRUE(area.contains(Probe().Frm().Window()->frameGeometry())) << stored;
        EXPECT_GE(Probe().Frm().Height(), Probe().minSide) << stored;
        ProbeDialog::Release();
    }
    CentredDialog& centred = CentredDialog::Instance();
    centred.Frm().Move(0, 0, area.width() * 30, area.height() * 30);
    centred.Show();
    EXPECT_TRUE(area.contains(centred.Frm().Window()->frameGeometry()));
}

TEST_F(DialogTest, ACancelledUnloadingKeepsTheDialogAndStoresNothing) {
    Probe().Show();
    Probe().refuseUnload = true;
    EXPECT_FALSE(Probe().Unload());
    Probe().Frm().Window()->close();
    EXPECT_TRUE(Probe().Loaded());
    EXPECT_TRUE(Probe().Frm().Visible());
    EXPECT_EQ(GetSettingString(kProbeSection, "WindowState", "none"), "none");
    EXPECT_FALSE(ProbeDialog::Release());
    EXPECT_TRUE(ProbeDialog::Exists());
    Probe().refuseUnload = false;
}

TEST_F(DialogTest, AModalShowReturnsOnceUnloadedAndKeepsTheInstanceMeanwhile) {
    bool releasedWhileModal = true;
    QTimer::singleShot(0, [&] {
        releasedWhileModal = ProbeDialog::Release();
        Probe().Frm().Window()->close();
    });
    Probe().ShowModal();
    EXPECT_FALSE(releasedWhileModal);
    EXPECT_FALSE(Probe().Loaded());
    EXPECT_TRUE(ProbeDialog::Release());
    EXPECT_FALSE(ProbeDialog::Exists());
}

TEST_F(DialogTest, ADialogShownAgainAfterUnloadingLoadsFromItsTable) {
    Probe().Show();
    Probe().Frm().Get<TextBox>("txtValue").SetText("edited");
    Probe().Unload();
    Probe().Show();
    EXPECT_EQ(Probe().loads, 2);
    EXPECT_EQ(Probe().Frm().Get<TextBox>("txtValue").Text(), "design");
}

TEST_F(DialogTest, ReleasingALoadedDialogUnloadsItFirst) {
    Probe().Show();
    EXPECT_TRUE(ProbeDialog::Release());
    EXPECT_FALSE(ProbeDialog::Exists());
    EXPECT_EQ(GetSettingString(kProbeSection, "WindowState"), "0");
    EXPECT_EQ(Probe().loads, 0);  // a new instance
}

constexpr ControlSpec kBrokenControls[] = {
    TextRow("txtValue", kNoIndex, {60, 60, 900, 300}).In("fraMissing"),
};

class BrokenDialog final : public Dialog<BrokenDialog> {
public:
    BrokenDialog() : Dialog("frmBroken", kBrokenControls, "") {}
};

TEST_F(DialogTest, ATableRowThatCannotBeBuiltFailsLoudly) {
    try {
        BrokenDialog::Instance();
        FAIL() << "built";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "frmBroken: rows not built:\n  txtValue (row 0): its container does not exist");
    }
    EXPECT_FALSE(BrokenDialog::Exists());
}

}  // namespace
}  // namespace orbweave
