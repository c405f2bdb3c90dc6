#include "dialogs/common/dialog.h"

#include <stdexcept>
#include <vector>

#include <QWidget>

#include "dialogs/common/placement.h"
#include "platform/forms/window_utils.h"
#include "settings/display_values.h"

namespace orbweave {

DialogBase::DialogBase(std::string_view formName, std::span<const ControlSpec> table, std::string_view placementName)
    : formName_(formName),
      table_(table),
      placementSection_(placementName.empty() ? std::string()
                                              : std::string(kSectionGeneral) + "\\" + std::string(placementName)) {
    BuildForm();
}

DialogBase::~DialogBase() = default;

void DialogBase::BuildForm() {
    auto form = std::make_unique<Form>(formName_);
    const std::vector<SkippedRow> skipped = form->Build(table_);
    if (!skipped.empty()) {
        std::string message = formName_ + ": rows not built:";
        for (const SkippedRow& row : skipped) message += "\n  " + Describe(row);
        throw std::logic_error(message);
    }
    form->events.unload = [this](bool& cancel) {
        Unloading(cancel);
        if (cancel) return;
        if (savePlacement_ && !placementSection_.empty()) SaveFormPlacement(*form_, placementSection_);
        state_ = State::Unloaded;
    };
    form_ = std::move(form);
}

void DialogBase::EnsureLoaded() {
    if (state_ == State::Loaded) return;
    // Loading again after an unload starts from the table, as a first load does.
    if (state_ == State::Unloaded) BuildForm();
    const bool restore = !placementSection_.empty() && PlacementStored(placementSection_);
    if (restore) RestoreFormPlacement(*form_, placementSection_);
    state_ = State::Loaded;
    Load();
    if (state_ != State::Loaded) return;
    // Placed only once the window has its final size, so that a window sized
    // by Load, or by a minimum over a smaller stored size, is not placed as
    // if it had its table's or its stored size. The native window exists
    // before it is placed, so that its frame counts; the resize handler runs
    // now as showing would run it, so that a minimum size it enforces counts.
    form_->Window()->winId();
    Control::Raise(form_->events.resize);
    if (!restore) CenterFormOnScreen(*form_);
    // A stored place or size from a larger screen or a smaller font, or a
    // window larger than the screen, would leave parts of it out of reach.
    KeepFormInsideScreen(*form_);
}

void DialogBase::Show() {
    EnsureLoaded();
    if (Loaded()) form_->Show();
}

void DialogBase::ShowModal() {
    EnsureLoaded();
    if (Loaded()) form_->ShowModal();
}

bool DialogBase::Unload() { return state_ == State::Loaded && form_->Unload(); }

bool DialogBase::UnloadLeavingPlacement() {
    savePlacement_ = false;
    const bool unloaded = Unload();
    savePlacement_ = true;
    return unloaded;
}

}  // namespace orbweave
