// The universe boxes as a galaxy preview reads them: the properties dialog's
// own previews take a box only when its whole text is a number, the element
// editors put "0" in front of the text; both clamp into the row's run range.
#include "dialogs/common/preview_universe.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace orbweave {
namespace {

constexpr std::int32_t kPreviousStars = 1234;

struct ReadingCase {
    const char* text;  // in the star count box and the hue wheel's start box
    BoxTextReading reading;
    std::int32_t stars;
    std::optional<std::int16_t> hueStart;  // none: no hue wheel
};

constexpr BoxTextReading kRow = BoxTextReading::AsRow;
constexpr BoxTextReading kZero = BoxTextReading::ZeroFirst;

constexpr ReadingCase kCases[] = {
    {"", kRow, kPreviousStars, std::nullopt},
    {"", kZero, 10, 0},
    {"7", kRow, 10, 7},
    {"7", kZero, 10, 7},
    {"12.5", kRow, 12, 12},
    {"12.5", kZero, 12, 12},
    // Too large for the hue's 16 bits: the dialog refuses it, the editors
    // clamp before they convert.
    {"250000", kRow, 99999, std::nullopt},
    {"250000", kZero, 99999, 999},
    {"-5", kRow, 10, 0},
    {"-5", kZero, kPreviousStars, std::nullopt},
    {"abc", kRow, kPreviousStars, std::nullopt},
    {"abc", kZero, kPreviousStars, std::nullopt},
};

TEST(PreviewUniverseTest, StarCountAndHueWheelAreReadAsEachReadingSaysAndClampedByTheirRows) {
    const UniverseInputs kept = PreviewUniverseInputs();
    PreviewUniverseInputs().values.Universe_Stars = kPreviousStars;
    Form props{"frmProps"};
    for (const int index : {0, 16, 17})
        props.AddControl({"txtUni", index, ControlKind::TextBox, {}, 0, 0, 900, 300, ""});
    props.SetText("txtUni", 17, "250");
    for (const ReadingCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" " << (c.reading == kRow ? "as row" : "zero first"));
        props.SetText("txtUni", 0, c.text);
        props.SetText("txtUni", 16, c.text);
        EXPECT_EQ(PreviewStarCount(props, c.reading), c.stars);
        const std::optional<PreviewHues> hues = PreviewHueWheel(props, c.reading);
        ASSERT_EQ(hues.has_value(), c.hueStart.has_value());
        if (hues) {
            EXPECT_EQ(hues->start, *c.hueStart);
            EXPECT_EQ(hues->end, 250);
        }
    }
    PreviewUniverseInputs() = kept;
}

}  // namespace
}  // namespace orbweave
