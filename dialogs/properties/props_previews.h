// The three previews of the properties dialog: a button starts its
// animation in picPreview with the values the dialog holds, the dialog is
// locked meanwhile, and the same button (captioned "Stop", and the cancel
// button) ends it.
#pragma once

#include <string_view>

namespace orbweave {

class PropertiesDialog;

enum class PreviewKind { Galaxy, Universe, Composite };

inline constexpr std::string_view kStopCaption = "Stop";

// The click of the kind's button: a start while it shows its idle caption,
// else a stop, which only asks the loop to end; the dialog stays locked until
// it has. A start while a preview loop is already running does nothing.
void PreviewButtonClick(PropertiesDialog& dialog, PreviewKind kind);

}  // namespace orbweave
