// The properties dialog on the memory display with a private settings
// store, the factory galaxy-type names and recorded services.
#pragma once

#include <optional>

#include "dialogs/properties/properties_dialog.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/service_recorder.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {

class PropsDialogTest : public RendererTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the dialog.
    PropertiesDialog& Open();
    PropertiesDialog& Dialog() { return PropertiesDialog::Instance(); }
    Form& Frm() { return Dialog().Frm(); }
    template <typename T = Control>
    T& Get(std::string_view name, int index = kNoIndex) {
        return Frm().Get<T>(name, index);
    }

    std::optional<ServiceRecorder> services;
};

}  // namespace orbweave::testing
