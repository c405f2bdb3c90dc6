#include "host_fixture.h"

#include <QApplication>

#include "host/saver.h"
#include "host/startup.h"
#include "platform/display/cursor.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_state.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {

namespace {

// One application for the whole test process: start-up measures the screen.
class GuiEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test-host";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const guiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

void HostTest::SetUp() {
    SetFramePacer({[this] { return now; }, [this](std::int64_t ms) { now += ms; }, [] {}});
    SetEndProcessHandler([this](int status) { ended.push_back(status); });
    display::SetCursorHandler([this](bool visible) { cursor.push_back(visible); });
    SetMessageBoxService([this](std::string_view text, std::string_view, const MessageStyle&) {
        messages.emplace_back(text);
        return MessageAnswer::Ok;
    });
    system = display::MemoryDisplaySystem::Create({display::PixelLayout::Xrgb8888, {640, 480}, {{640, 480, 32}}});
    SetDisplayOpener([this] { return display::OpenResult{system, display::OpenFailure::None}; });
    ResetRendererState();
    MouseMoveIgnored = false;
}

void HostTest::TearDown() {
    ReleaseDirectX();
    SetFramePacer({});
    SetEndProcessHandler({});
    display::SetCursorHandler({});
    SetMessageBoxService({});
    SetDisplayOpener({});
    UniGalaxies.fill(UniGalaxy{});
    CompGalaxies.fill(CompGalaxy{});
}

void HostTest::Store(std::string_view section, std::string_view key, std::string_view value) {
    ASSERT_TRUE(SaveSettingValue(section, key, value));
}

}  // namespace orbweave::testing
