// The galaxy frame's tests build a form from the frame's control table plus
// the few controls of the universe side that the frame's functions touch,
// with the lists filled as the dialog fills them (placeholder texts) and the
// three list clicks wired as the dialog wires them. The galaxy tables are
// the factory ones during a test and are put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/properties/galaxy_frame.h"
#include "dialogs/properties/galaxy_frame_controls.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {

inline constexpr ControlSpec kUniverseSideControls[] = {
    FrameRow("fraAni", 1, {9060, 60, 4800, 6492}, "Universe Galaxies"),
    FrameRow("fraPreview", kNoIndex, {60, 3510, 3930, 2670}, "Galaxy / Composite / Universe Preview"),
    ButtonRow("cmdAccept", kNoIndex, {60, 6240, 1572, 345}, "&Accept Settings"),
    ListRow("lstUniGalaxy", kNoIndex, {120, 240, 3492, 1815}).In("fraAni", 1),
    ComboRow("cboCompMajor", kNoIndex, {120, 2300, 3000, 315}).In("fraAni", 1),
    ListRow("lstCompMinor", kNoIndex, {120, 2700, 3000, 900}).In("fraAni", 1).Styled(kStyleMultiSelect),
    TextRow("txtCompGalName", kNoIndex, {120, 3700, 3000, 300}).In("fraAni", 1),
    ComboRow("cboUniProfile", kNoIndex, {120, 4100, 3000, 315}).In("fraAni", 1),
    ComboRow("cboTourGalaxies", kNoIndex, {120, 4500, 3000, 315}).In("fraAni", 1).Styled(kStyleEditable),
    CheckRow("chkUniTour", kNoIndex, {120, 4900, 1400, 300}, "Tour").In("fraAni", 1),
    CheckRow("chkVisitSeq", kNoIndex, {1600, 4900, 1400, 300}, "Visit").In("fraAni", 1),
    CheckRow("chkRotCamera", kNoIndex, {3100, 4900, 1400, 300}, "Rotate").In("fraAni", 1),
    TextRow("txtBlend", 0, {120, 5300, 600, 300}).In("fraAni", 1),
    TextRow("txtBlend", 1, {800, 5300, 600, 300}).In("fraAni", 1),
};

// The universe boxes that hold saved values.
inline constexpr std::array<int, 23> kUniverseBoxIndexes{0,  1,  10, 11, 12, 14, 16, 17, 18, 20, 21, 30,
                                                         31, 32, 33, 34, 40, 41, 42, 43, 44, 50, 51};

class GalaxyFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedTypes_ = std::make_unique<decltype(UniGalaxies)>(UniGalaxies);
        savedComposites_ = std::make_unique<decltype(CompGalaxies)>(CompGalaxies);
        InitUniGalaxyNames();
        LoadFactoryDefaults();

        for (const SkippedRow& skipped : dialog.Build(GalaxyFrameControls())) ADD_FAILURE() << Describe(skipped);
        for (const SkippedRow& skipped : dialog.Build(kUniverseSideControls)) ADD_FAILURE() << Describe(skipped);
        for (int index : kUniverseBoxIndexes) {
            dialog.AddControl(TextRow("txtUni", index, {120, 5700, 600, 300}).In("fraAni", 1));
        }
        Fill("cboGalTheme", 1 + kGalaxyTypeCount);
        Fill("cboGalStyle", 10);
        Fill("cboGalPlane", 2);
        Fill("cboGalColor", 5);
        Fill("cboGalaxExtras", 3);
        Fill("cboGalProfile", 7);
        Fill("cboPulsarShape", 5);
        Fill("cboUniProfile", kGalaxyTypeCount + 2);
        Fill("lstUniGalaxy", kGalaxyTypeCount);
        Fill("cboCompMajor", kGalaxyTypeCount);
        Fill("lstCompMinor", kGalaxyTypeCount);
        dialog.Get("cboGalStyle").events.click = [this] { cboGalStyle_Click(dialog); };
        dialog.Get("cboGalTheme").events.click = [this] { cboGalTheme_Click(dialog); };
        dialog.Get("cboCompMajor").events.click = [this] { cboCompMajor_Click(dialog); };
    }

    void TearDown() override {
        UniGalaxies = *savedTypes_;
        CompGalaxies = *savedComposites_;
    }

    void Fill(std::string_view name, int items) {
        auto& list = dialog.Get<ListControl>(name);
        for (int item = 0; item < items; ++item) list.AddItem("item " + std::to_string(item));
    }

    std::string Text(std::string_view name, int index = kNoIndex) const { return dialog.Get(name, index).Text(); }
    std::string Caption(std::string_view name, int index = kNoIndex) const { return dialog.Get(name, index).Caption(); }
    bool Shown(std::string_view name, int index = kNoIndex) const { return dialog.Get(name, index).Visible(); }
    int ListIndex(std::string_view name) const { return dialog.Get<ListControl>(name).ListIndex(); }
    void SetText(std::string_view name, int index, std::string_view text) { dialog.Get(name, index).SetText(text); }

    Form dialog{"frmProps"};

private:
    std::unique_ptr<decltype(UniGalaxies)> savedTypes_;
    std::unique_ptr<decltype(CompGalaxies)> savedComposites_;
};

}  // namespace orbweave::testing
