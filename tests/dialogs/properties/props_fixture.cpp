#include "props_fixture.h"

#include "dialogs/common/launchers.h"
#include "settings/factory_presets.h"

namespace orbweave::testing {

void PropsDialogTest::SetUp() {
    RendererTest::SetUp();
    InitUniGalaxyNames();
    services.emplace();
}

void PropsDialogTest::TearDown() {
    PropertiesDialog::Release();
    Launchers() = {};
    runState.StopRequested = false;
    services.reset();
    RendererTest::TearDown();
}

PropertiesDialog& PropsDialogTest::Open() {
    Dialog().Show();
    return Dialog();
}

}  // namespace orbweave::testing
