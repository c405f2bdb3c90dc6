#include "renderer_fixture.h"

#include <dlfcn.h>

#include <QApplication>

#include "platform/display/cursor.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"
#include "renderer/display/corvane_loader.h"
#include "renderer/display/display.h"
#include "renderer/display/overlay.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_state.h"

namespace orbweave::testing {

namespace {

// One GUI application for the whole test process (text needs fonts),
// deleted when the tests end so that its font caches are let go.
class GuiEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test-renderer";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const guiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

void* FakeLibrary() {
    static void* handle = dlopen(FAKE_CORVANE_FOLDER "/libcorvane.so", RTLD_NOW | RTLD_LOCAL);
    return handle;
}

}  // namespace

void RendererTest::SetUp() {
    SetFramePacer({[this] { return now; }, [this](std::int64_t ms) { slept.push_back(ms), now += ms; },
                   [this] {
                       ++pumps;
                       if (onPump) {
                           onPump();
                       }
                   }});
    SetEndProcessHandler([this](int status) { ended.push_back(status); });
    display::SetCursorHandler([this](bool visible) { cursor.push_back(visible); });
    SetMessageBoxService([this](std::string_view text, std::string_view, const MessageStyle&) {
        messages.emplace_back(text);
        return MessageAnswer::No;
    });
    system = display::MemoryDisplaySystem::Create({display::PixelLayout::Xrgb8888, {640, 480}, {{640, 480, 32}}});
    SetDisplayOpener([this] { return display::OpenResult{system, display::OpenFailure::None}; });
    window = std::make_shared<display::MemoryWindow>(display::Rect{10, 20, 74, 68});
    SetCorvaneLookup(FAKE_CORVANE_FOLDER, false);

    ResetRendererState();
    ResetMessageOverlay();
    ResetPauseSlices();
}

void RendererTest::TearDown() {
    onPump = nullptr;
    ReleaseDirectX();
    ResetDisplayState();
    SetFramePacer({});
    SetEndProcessHandler({});
    display::SetCursorHandler({});
    SetMessageBoxService({});
    SetDisplayOpener({});
    SetCorvaneLookup("", true);
}

void RendererTest::Store(const std::string& section, const std::string& key, const std::string& value) {
    ASSERT_TRUE(SaveSettingValue(section, key, std::string_view(value)));
}

bool RendererTest::Start(std::int16_t runMode, int width, int height) {
    InitDirectX();
    runState.RunMode = runMode;
    window->SetScreenRect({10, 20, 10 + width, 20 + height});
    const WindowTarget target(window, width, height);
    LoadDisplaySettings(target, false, 1.0f);
    return LoadPropsInitDX();
}

std::vector<display::Call> RendererTest::CallsSince(std::size_t first) const {
    std::vector<display::Call> calls;
    for (std::size_t i = first; i < system->Calls().size(); ++i) {
        calls.push_back(system->Calls()[i].call);
    }
    return calls;
}

int RendererTest::FakeBlendCount() const {
    auto count = reinterpret_cast<int (*)()>(dlsym(FakeLibrary(), "FakeCorvaneCallCount"));
    return count != nullptr ? count() : -1;
}

const FakeBlendCall& RendererTest::LastBlend() const {
    auto last = reinterpret_cast<const FakeBlendCall* (*)()>(dlsym(FakeLibrary(), "FakeCorvaneLastCall"));
    static const FakeBlendCall none{};
    return last != nullptr ? *last() : none;
}

}  // namespace orbweave::testing
