#include "host/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orbweave {
namespace {

struct DispatchCase {
    std::string_view line;
    CommandLine expected;
};

std::ostream& operator<<(std::ostream& out, const DispatchCase& c) { return out << '"' << c.line << '"'; }

class DispatchTest : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTest, ChoosesTheModeAndItsArgument) {
    EXPECT_EQ(ParseCommandLine(GetParam().line), GetParam().expected);
}

using enum CommandMode;

INSTANTIATE_TEST_SUITE_P(
    Configure, DispatchTest,
    ::testing::Values(DispatchCase{"", {Configure, 0, {}}}, DispatchCase{"   ", {Configure, 0, {}}},
                      DispatchCase{"/c", {Configure, 0, {}}}, DispatchCase{"/C:1234", {Configure, 0, {}}},
                      DispatchCase{"/c 1234", {Configure, 0, {}}}, DispatchCase{"/Cx.owv", {Configure, 0, {}}}));

INSTANTIATE_TEST_SUITE_P(Saver, DispatchTest,
                         ::testing::Values(DispatchCase{"/s", {Saver, 0, {}}}, DispatchCase{"/S", {Saver, 0, {}}},
                                           DispatchCase{"/S 99", {Saver, 0, {}}},
                                           // Only the empty-line test trims: a leading blank hides the switch.
                                           DispatchCase{" /s", {Default, 0, {}}}, DispatchCase{"\t", {Default, 0, {}}},
                                           DispatchCase{"-s", {Default, 0, {}}},
                                           DispatchCase{"saver", {Default, 0, {}}}));

INSTANTIATE_TEST_SUITE_P(
    Windows, DispatchTest,
    ::testing::Values(DispatchCase{"/p 1234", {Preview, 1234, {}}}, DispatchCase{"/P1234", {Preview, 1234, {}}},
                      DispatchCase{"/p:1234", {Preview, 0, {}}}, DispatchCase{"/p 1 234", {Preview, 1234, {}}},
                      DispatchCase{"/p", {Preview, 0, {}}}, DispatchCase{"/p 12.5", {Preview, 12, {}}},
                      DispatchCase{"/p 13.5", {Preview, 14, {}}}, DispatchCase{"/p 2e3", {Preview, 2000, {}}},
                      DispatchCase{"/p 2147483647", {Preview, 2147483647, {}}},
                      DispatchCase{"/p 2147483648", {Preview, 0, {}}}, DispatchCase{"/p 4294967296", {Preview, 0, {}}},
                      DispatchCase{"/p 1e400", {Preview, 0, {}}}, DispatchCase{"/a 77", {ChangePassword, 77, {}}},
                      DispatchCase{"/A:77", {ChangePassword, 0, {}}},
                      DispatchCase{"/a 99999999999", {ChangePassword, 0, {}}}));

INSTANTIATE_TEST_SUITE_P(
    Templates, DispatchTest,
    ::testing::Values(DispatchCase{"X.OwV", {ImportTemplate, 0, "X.OwV"}},
                      DispatchCase{"/tmp/my settings.owv", {ImportTemplate, 0, "/tmp/my settings.owv"}},
                      DispatchCase{".owv", {ImportTemplate, 0, ".owv"}},
                      // The whole line is the file: quotes are not removed and spoil the extension.
                      DispatchCase{"\"X.owv\"", {Default, 0, {}}}, DispatchCase{"X.owv ", {Default, 0, {}}},
                      DispatchCase{"X.owvx", {Default, 0, {}}}, DispatchCase{"Xowv", {Default, 0, {}}}));

TEST(JoinArgumentsTest, JoinsTheArgumentsWithSingleBlanks) {
    const std::array<const char*, 2> preview{"/p", "1234"};
    EXPECT_EQ(JoinArguments(preview), "/p 1234");
    const std::array<const char*, 1> file{"my settings.owv"};
    EXPECT_EQ(JoinArguments(file), "my settings.owv");
    EXPECT_EQ(JoinArguments({}), "");
}

}  // namespace
}  // namespace orbweave
