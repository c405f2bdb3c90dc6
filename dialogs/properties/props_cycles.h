#pragma once

// The properties dialog's whole-settings transfers. While the dialog is open,
// its controls hold the display choices, the universe blend levels and the
// universe values, and the galaxy tables in memory hold the galaxy types and
// composites; these move all of it at once between the dialog, the current
// user's settings and a template file, reset it to the factory values, and
// run a user's first-run set-up.

#include <string>
#include <string_view>

#include "settings/template_transfers.h"

namespace orbweave {

class Form;

// The template file last opened or saved through the template chooser (empty
// until then): the File menu's "&Save Template" writes back into it.
struct TemplateFileState {
    std::string path;
};
TemplateFileState& CurrentTemplate();

// The current user's display choices, blend levels, universe values and
// composites into the dialog (missing values as their defaults), and the
// composite lists refilled. True when every control took its value.
bool CyclePropsRegToArrays(Form& dialog);

// Accept: stores the dialog's settings as the current user's, after
// TestRegistryWrite (which warns when the store cannot be written). Everything
// goes in one transaction: when it cannot be stored whole, nothing is, the
// warning that fits shows (read-only, or in use by another program), and the
// result is false.
bool CyclePropsArraysToReg(Form& dialog);

// Opens a template: its advanced values straight into the current user's
// settings (kept even when the dialog is cancelled), then its display
// choices, universe values and galaxy tables into the dialog. A part the file
// holds no section for stays as it was. All of the file or nothing: a file
// that is no template, or whose advanced values the store refuses, changes
// neither the settings nor the dialog, and the result says which.
TemplateImport CyclePropsTempToArrays(Form& dialog, std::string_view file);

// Saves the dialog's settings (with the current user's advanced values) as a
// template. The new text replaces the file only when it was written whole;
// otherwise the old file stays as it was and the result is false.
bool CyclePropsArraysToTemp(Form& dialog, std::string_view file);

// Writes the factory display and advanced values to the current user's
// settings at once, shows them in the dialog, and puts the factory galaxy
// types, composites and universe theme 1 in the tables and controls, which
// reach the settings only when the dialog is accepted. "Adv_ZarvCycle" keeps
// its value.
void ResetAdvancedPropsToFactory(Form& dialog);

// The factory values for a user without settings, as the reset above, except
// that a display or advanced value the user has stored already (with the
// advanced dialog's OK, or by opening a template) stays as it is: only a
// reset the user asks for replaces it.
void LoadFactoryPropsKeepingStored(Form& dialog);

// A user's first opening of the dialog: marks the set-up as done
// ("ResetSettings" = 1), shows the welcome window, then loads the user's
// settings when they have some ("AnimationType" exists), else the factory
// values (LoadFactoryPropsKeepingStored: of which only the display and
// advanced ones are stored before the dialog is accepted). When another program's lock keeps that read out of the
// store, neither: the caller learns it from its own SettingsReadWatch.
void RunFirstTimeSetup(Form& dialog);

}  // namespace orbweave
