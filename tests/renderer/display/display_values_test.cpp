// The advanced and display value table walked through every reader: a fresh
// settings store, the renderer's loaded settings and a template saved and
// imported all give each value's default, and clamp a value beyond its
// stored range into that range.
#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/convert.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"
#include "settings/display_values.h"
#include "settings/template_file.h"
#include "settings/template_transfers.h"

namespace orbweave::testing {
namespace {

using R = DisplayRecord;

// Where the renderer keeps each value it loads, and its default. A hue stop
// never lies below the stop before it, which the renderer raises it to.
struct RendererNumber {
    DisplayField field;
    double byDefault;
    std::function<double()> loaded;
    std::function<double()> stopBefore = nullptr;
};
const RendererNumber kRendererNumbers[] = {
    {&R::FocalLength, 1, [] { return displaySettings.FocalLength; }},
    {&R::Adv_TimeDelay, 25, [] { return displaySettings.FrameDelayMs; }},
    {&R::Adv_FontSize, 12, [] { return displaySettings.FontSize; }},
    {&R::Adv_FontHueV, 180, [] { return displaySettings.FontHueV; }},
    {&R::Adv_FontTOff, 5, [] { return displaySettings.FontTOff; }},
    {&R::Adv_FontHInc, 10, [] { return displaySettings.FontHInc; }},
    {&R::Adv_CMinutes, 0, [] { return displaySettings.CMinutes; }},
    {&R::Adv_HueWheel0, 100, [] { return colourTables.HueWheel[0]; }},
    {&R::Adv_HueWheel1, 150, [] { return colourTables.HueWheel[1]; }, [] { return colourTables.HueWheel[0]; }},
    {&R::Adv_HueWheel2, 180, [] { return colourTables.HueWheel[2]; }, [] { return colourTables.HueWheel[1]; }},
    {&R::Adv_HueWheel3, 240, [] { return colourTables.HueWheel[3]; }, [] { return colourTables.HueWheel[2]; }},
    {&R::Adv_HueWheel4, 300, [] { return colourTables.HueWheel[4]; }, [] { return colourTables.HueWheel[3]; }},
    {&R::DX_WinWidth, 640, [] { return drawingGeometry.ScreenWidth; }},
    {&R::DX_WinHeight, 480, [] { return drawingGeometry.ScreenHeight; }},
    {&R::DX_VertOffset, 0, [] { return displaySettings.VertOffset; }},
    {&R::DX_RGB16bbp, 2, [] { return displaySettings.RGB16Mode; }},
    {&R::DX_UseFlip, 1, [] { return displayState.UseFlip ? 1 : 0; }},
};

const std::tuple<DisplayField, std::string, std::function<std::string()>> kRendererTexts[] = {
    {&R::Adv_FontName, "Arial", [] { return displaySettings.FontName; }},
    {&R::LockMessage, "", [] { return displaySettings.LockMessage; }},
    {&R::Adv_TimeText, "", [] { return displaySettings.TimeText; }},
    {&R::Adv_ZeroText, "", [] { return displaySettings.ZeroText; }},
};

const DisplayValue& RowFor(const DisplayField& field) {
    return *std::ranges::find(kDisplayValues, field, &DisplayValue::field);
}

// A field's value as a number, or its text.
double NumberIn(const DisplayRecord& record, const DisplayField& field) {
    return std::visit(
        [&]<class T>(T R::*f) -> double {
            if constexpr (std::is_arithmetic_v<T>) return record.*f;
            return 0;
        },
        field);
}
std::string TextIn(const DisplayRecord& record, const DisplayField& field) {
    const auto* text = std::get_if<std::string R::*>(&field);
    return text != nullptr ? record.**text : std::string();
}
bool IsText(const DisplayValue& row) { return std::holds_alternative<std::string R::*>(row.field); }

// The number a value of row's type holds once `number` is stored in it.
double AsStored(const DisplayValue& row, double number) {
    return std::visit(
        [&]<class T>(T R::*) -> double {
            if constexpr (std::is_arithmetic_v<T>) return static_cast<T>(number);
            return 0;
        },
        row.field);
}

// Texts beyond each end of a stored range, far enough for any clamp to show.
std::pair<std::string, std::string> BeyondRange(const ValueRange& range) {
    return {NumberToText(range.low - 1000), NumberToText(range.high + 1000)};
}

class DisplayValueTable : public RendererTest {
protected:
    // Two modes no wider than the desktop, one wider (never listed).
    void SetUp() override {
        RendererTest::SetUp();
        UseDesktop({display::PixelLayout::Xrgb8888, {1280, 1024}, {{800, 600, 32}, {1024, 768, 32}, {1600, 1200, 32}}});
    }

    void LoadIntoRenderer() {
        InitDirectX();
        runState.RunMode = kRunModeSaver;
        LoadDisplaySettings(WindowTarget(window, 64, 48), false, 1.0f);
    }

    // Saves a template as the properties dialog would (the advanced values
    // from the store, the display values as the dialog shows them stored),
    // then imports it into an empty store.
    void SaveAndImportTemplate(const std::function<void()>& check) {
        const std::string path = (config.Root() / "values.owv").string();
        TemplateWriter writer(path);
        WritePreambleToTemplate(writer);
        for (const TemplateSetting& s : kTemplateDisplaySettings) {
            CopySettingToTemplate(writer, kSectionDirectX, s.name, s.defaultText);
        }
        ASSERT_TRUE(writer.Commit());
        ScopedConfig otherUser;
        ASSERT_EQ(CyclePropsTempToRegArrays(path), TemplateImport::Imported);
        check();
    }

    const DisplayLimits limits{1024, 768};
};

TEST_F(DisplayValueTable, EveryReaderTakesTheDefaults) {
    const DisplayRecord fresh = ReadDisplayValues();
    for (const DisplayValue& row : kDisplayValues) {
        if (IsText(row)) {
            EXPECT_EQ(TextIn(fresh, row.field), row.defaultText) << row.name;
        } else {
            EXPECT_EQ(NumberIn(fresh, row.field), LeadingNumber(row.defaultText)) << row.name;
        }
    }

    LoadIntoRenderer();
    for (const RendererNumber& number : kRendererNumbers) {
        EXPECT_EQ(number.loaded(), number.byDefault) << RowFor(number.field).name;
    }
    for (const auto& [field, byDefault, loaded] : kRendererTexts) {
        EXPECT_EQ(loaded(), byDefault) << RowFor(field).name;
    }

    SaveAndImportTemplate([] {
        const DisplayRecord imported = ReadDisplayValues();
        for (const DisplayValue& row : kDisplayValues) {
            const std::string stored = GetSettingString(row.section, row.name, "<missing>");
            if (row.templateUse == TemplateUse::Never) {
                EXPECT_EQ(stored, "<missing>") << row.name;
                continue;
            }
            EXPECT_EQ(stored, row.defaultText) << row.name;
            if (!IsText(row)) {
                EXPECT_EQ(NumberIn(imported, row.field), LeadingNumber(row.defaultText)) << row.name;
            }
        }
    });
}

TEST_F(DisplayValueTable, AValueBeyondItsStoredRangeIsClampedByEveryReader) {
    int rangedRows = 0;
    for (const DisplayValue& row : kDisplayValues) {
        if (!row.storedRange) continue;
        ++rangedRows;
        const double low = AsStored(row, row.storedRange->low);
        const double high = AsStored(row, HighBoundOf(*row.storedRange, limits));
        const auto [below, above] = BeyondRange(*row.storedRange);
        for (const auto& [text, bound] : {std::pair{below, low}, std::pair{above, high}}) {
            Store(std::string(row.section), std::string(row.name), text);
            DisplayRecord read = ReadDisplayValues();
            ClampDisplayValues(read, limits);
            EXPECT_EQ(NumberIn(read, row.field), bound) << row.name << " = " << text;

            LoadIntoRenderer();
            for (const RendererNumber& number : kRendererNumbers) {
                if (number.field == row.field) {
                    const double expected = number.stopBefore ? std::max(bound, number.stopBefore()) : bound;
                    EXPECT_EQ(number.loaded(), expected) << "renderer: " << row.name << " = " << text;
                }
            }

            if (row.templateUse == TemplateUse::Carried) {
                SaveAndImportTemplate([&] {
                    DisplayRecord imported = ReadDisplayValues();
                    ClampDisplayValues(imported, limits);
                    EXPECT_EQ(NumberIn(imported, row.field), bound) << "template: " << row.name << " = " << text;
                });
            }
        }
        Store(std::string(row.section), std::string(row.name), std::string(row.defaultText));
    }
    EXPECT_GT(rangedRows, 0);
}

}  // namespace
}  // namespace orbweave::testing
