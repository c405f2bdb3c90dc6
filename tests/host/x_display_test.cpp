#include "host/x_display.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

namespace orbweave {
namespace {

// The variables the choice reads and writes, in this order.
constexpr std::array<const char*, 4> kVariables = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SDL_VIDEODRIVER"};
using Environment = std::array<std::optional<std::string>, kVariables.size()>;

// No X server listens on this display number.
constexpr const char* kDeadDisplay = ":4711";

Environment Read() {
    Environment values;
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
        if (const char* value = std::getenv(kVariables[i])) values[i] = value;
    }
    return values;
}

void Write(const Environment& values) {
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
        if (values[i])
            ::setenv(kVariables[i], values[i]->c_str(), 1);
        else
            ::unsetenv(kVariables[i]);
    }
}

struct Row {
    const char* what;
    Environment before;
    Environment after;
};

class ChooseBackendsTest : public ::testing::TestWithParam<Row> {
protected:
    void TearDown() override { Write(saved_); }

private:
    Environment saved_ = Read();
};

TEST_P(ChooseBackendsTest, MakesEveryModeReportAMissingDisplayInsteadOfAborting) {
    Write(GetParam().before);
    ChooseBackends();
    EXPECT_EQ(Read(), GetParam().after);
}

const auto none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Environments, ChooseBackendsTest,
    ::testing::Values(
        Row{"no display: Qt headless, SDL on X11 to report it",
            {none, none, none, none},
            {none, none, "offscreen", "x11"}},
        Row{"an empty DISPLAY counts as none", {"", none, none, none}, {none, none, "offscreen", "x11"}},
        Row{"a DISPLAY no server answers counts as none",
            {kDeadDisplay, none, none, none},
            {none, none, "offscreen", "x11"}},
        // Qt's X11 platform could only abort without a display.
        Row{"an explicit xcb gives way", {kDeadDisplay, none, "xcb", none}, {none, none, "offscreen", "x11"}},
        Row{"other explicit choices win", {none, none, "minimal", "dummy"}, {none, none, "minimal", "dummy"}},
        Row{"a Wayland display is left to Qt and SDL",
            {kDeadDisplay, "wayland-0", none, none},
            {none, "wayland-0", none, none}}),
    [](const ::testing::TestParamInfo<Row>& info) {
        std::string name;
        for (const char c : std::string(info.param.what)) {
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        }
        return name;
    });

}  // namespace
}  // namespace orbweave
