// Every control table in the repository builds without skipping a row, and
// its numeric box rows bind to controls it has. A new dialog adds its table
// (and its numeric box rows) to kTables.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "dialogs/common/dialog_test_tables.h"
#include "platform/forms/form.h"
#include "platform/forms/form_test_tables.h"
#include "platform/forms/numeric_boxes.h"
#include "tools/forms-demo/demo_form.h"

namespace orbweave {
namespace {

struct FormTable {
    const char* name;
    std::span<const ControlSpec> controls;
    std::span<const NumericBoxRow> numericBoxes = {};
};

const FormTable kTables[] = {
    {"FormsDemo", demo::kDemoControls, demo::kDemoNumericBoxes},
    {"FormTest", testing::kFormTable},
    {"TextBoxTest", testing::kTextBoxTable},
    {"ListTest", testing::kListTable},
    {"SimpleControlsTest", testing::kSimpleControlsTable},
    {"PictureBoxTest", testing::kPictureBoxTable},
    {"WindowUtilsTest", testing::kWindowUtilsTable},
    {"NumericBoxesTest", testing::kNumericBoxTable, testing::kNumericBoxRows},
    {"DisplayOptionsTest", testing::kDisplayControls},
    {"DialogTest", testing::kProbeControls},
};

class FormTables : public ::testing::TestWithParam<FormTable> {};

TEST_P(FormTables, EveryRowIsBuiltAndEveryNumericBoxBinds) {
    Form form(GetParam().name);
    for (const SkippedRow& skipped : form.Build(GetParam().controls)) ADD_FAILURE() << Describe(skipped);
    EXPECT_EQ(form.Controls().size(), GetParam().controls.size());
    EXPECT_NO_THROW(BindNumericBoxes(form, GetParam().numericBoxes));
}

INSTANTIATE_TEST_SUITE_P(All, FormTables, ::testing::ValuesIn(kTables),
                         [](const ::testing::TestParamInfo<FormTable>& table) {
                             return std::string(table.param.name);
                         });

}  // namespace
}  // namespace orbweave
