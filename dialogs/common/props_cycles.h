// The whole properties dialog to and from the settings store.
#pragma once

namespace orbweave {

class Form;

bool CyclePropsRegToArrays(Form& dialog);
bool CyclePropsArraysToReg(Form& dialog);
void ResetAdvancedPropsToFactory(Form& dialog);
void RunFirstTimeSetup(Form& dialog);

}  // namespace orbweave
