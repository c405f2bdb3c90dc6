#include "host_fixture.h"

#include <QApplication>

#include "host/saver.h"
#include "platform/registry/settings.h"
#include "renderer/display/display.h"
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
    system = display::MemoryDisplaySystem::Create({display::PixelLayout::Xrgb8888, {640, 480}, {{640, 480, 32}}});
    services.framePacer = {[this] { return now; }, [this](std::int64_t ms) { now += ms; }, [] {}};
    services.endProcess = [this](int status) { ended.push_back(status); };
    services.cursor = [this](bool visible) { cursor.push_back(visible); };
    services.messageBox = [this](std::string_view text, std::string_view, const MessageStyle&) {
        messages.emplace_back(text);
        return MessageAnswer::Ok;
    };
    services.displayOpener = [this] { return display::OpenResult{system, display::OpenFailure::None}; };
    services.measureScreen = [] { return ScreenMeasure{{19200, 14400}, {15, 15}}; };
    InstallProcessServices(services);
    ResetRendererState();
}

void HostTest::TearDown() {
    ReleaseDirectX();
    InstallProcessServices({});
    UniGalaxies.fill(UniGalaxy{});
    CompGalaxies.fill(CompGalaxy{});
}

void HostTest::Store(std::string_view section, std::string_view key, std::string_view value) {
    ASSERT_TRUE(SaveSettingValue(section, key, value));
}

}  // namespace orbweave::testing
