// The skeleton every dialog shares: one form built from the dialog's control
// table; loading when first shown (its stored placement restored from
// "General\<name>", the dialog's own Load, then the window centred when no
// placement was stored); its placement saved when it unloads; shown modal or
// modeless. Dialog<Derived, Parameters> adds the one shared instance of each
// dialog and the parameters handed over before it shows (FormLet):
//
//     class LevelsDialog final : public Dialog<LevelsDialog, LevelsParameters> { ... };
//     LevelsDialog::Instance().FormLet({galaxyType});
//     LevelsDialog::Instance().ShowModal();
//     LevelsDialog::Release();
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace orbweave {

class DialogBase {
public:
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;
    virtual ~DialogBase();

    Form& Frm() { return *form_; }
    const Form& Frm() const { return *form_; }

    // Shows the dialog without waiting, loading it first when it is not
    // loaded; a dialog already shown comes to the front, the same window. A
    // dialog that unloaded itself while loading is not shown.
    void Show();
    // Shows the dialog and returns once it is unloaded.
    void ShowModal();
    // Unloads as the window's close box would, asking the form's queryUnload
    // and the dialog's Unloading first; true when it was unloaded.
    bool Unload();
    bool Loaded() const { return state_ == State::Loaded; }

protected:
    // formName: the form's own name ("frmLevels"). placementName: "Levels"
    // keeps the placement under "General\Levels"; empty centres the window
    // each time it loads and stores nothing. A table row that cannot be built
    // throws std::logic_error naming it: the tables are the dialogs' own.
    DialogBase(std::string_view formName, std::span<const ControlSpec> table, std::string_view placementName);

    // The dialog's own loading, after a stored placement is restored and
    // before an unplaced window is centred: sizing the window, filling
    // lists, binding handlers. Runs again, on freshly built controls, when an
    // unloaded dialog is shown again.
    virtual void Load() {}
    // The dialog's own unloading, before the placement is saved; setting
    // cancel keeps the dialog loaded.
    virtual void Unloading([[maybe_unused]] bool& cancel) {}

    // Whether a modal show is running, during which the dialog must stay.
    bool ShownModally() const { return form_->IsModal(); }

    // Unloads without saving the window's placement: the stored one stays.
    bool UnloadLeavingPlacement();

private:
    enum class State { NotLoaded, Loaded, Unloaded };

    void BuildForm();
    void EnsureLoaded();

    std::string formName_;
    std::span<const ControlSpec> table_;
    std::string placementSection_;
    std::unique_ptr<Form> form_;
    State state_ = State::NotLoaded;
    bool savePlacement_ = true;
};

struct NoParameters {};

template <typename Derived, typename Parameters = NoParameters>
class Dialog : public DialogBase {
public:
    // The one shared instance, made on first use.
    static Derived& Instance() {
        std::unique_ptr<Derived>& slot = Slot();
        if (!slot) slot.reset(new Derived());
        return *slot;
    }
    static bool Exists() { return Slot() != nullptr; }
    // Lets the shared instance go, unloading it first when it is loaded. False
    // (and the instance kept) while it is shown modally or when its unloading
    // is cancelled. Never from one of the dialog's own handlers; the
    // instance must be let go before the application ends.
    static bool Release() {
        std::unique_ptr<Derived>& slot = Slot();
        if (!slot) return true;
        if (slot->ShownModally() || (slot->Loaded() && !slot->Unload())) return false;
        slot.reset();
        return true;
    }

    // The parameters handed over before the dialog is shown.
    void FormLet(Parameters parameters) { parameters_ = std::move(parameters); }

protected:
    using DialogBase::DialogBase;
    const Parameters& Handed() const { return parameters_; }

private:
    static std::unique_ptr<Derived>& Slot() {
        static std::unique_ptr<Derived> slot;
        return slot;
    }

    Parameters parameters_{};
};

}  // namespace orbweave
