// The properties dialog: the configuration window of the saver. It opens in
// universe mode (the universe frame on the right) and switches to
// galaxy-properties mode for one galaxy type; "&Accept Settings" writes
// everything to the settings store, "Cancel" writes nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "dialogs/common/dialog.h"
#include "settings/display_values.h"

namespace orbweave {

class SettingsReadWatch;

class PropertiesDialog final : public Dialog<PropertiesDialog> {
public:
    PropertiesDialog();

    bool GalaxyPropsMode() const { return galaxyPropsMode_; }
    std::int16_t MinClientWidth() const { return minClientWidth_; }
    std::int16_t MinClientHeight() const { return minClientHeight_; }

    // Runs an animation loop from one of the dialog's handlers. A close
    // asked for while it runs stops it and completes once it has returned,
    // so that the window and the display are never released under it.
    void RunAnimation(const std::function<void()>& loop);

    // Runs once the dialog has unloaded (the configuration run ends its loop).
    void SetUnloadedHandler(std::function<void()> handler) { unloaded_ = std::move(handler); }

    // Event handlers, public so that tests drive them as a click would.
    void Form_Resize();
    void Form_QueryUnload(bool& cancel, int unloadMode);
    void cmdAccept_Click();
    void cmdAcceptGalProps_Click();
    void cmdDismiss_Click();
    void cmdGalProps_Click();
    void cboGalaxExtras_Click();
    void cboUniExtras_Click();
    void cmdIFS_Chem_Click();
    void cmdGalLevels_Click();
    void cboUniTheme_Click();
    void cboResolution_Click();
    void mnuFileArray_Click(int index);
    void mnuEditArray_Click(int index);
    void mnuHelpArray_Click(int index);

    // Property copy: one value into every galaxy type whose style has the
    // property (an index of cboPropCopyList).
    void CopyPropValueToAllGalaxyTypes(std::int16_t iProp, float fValue);
    void cmdPropCopy_Click();

    // Double-clicks on the lists and the previews; the other handlers of
    // the lists and the universe tab need only the controls (galaxy_lists.h,
    // universe_tab.h).
    void lstUniGalaxy_DblClick();
    void lstCompGalaxy_DblClick();
    void cmdPreviewGal_Click();
    void cmdPreviewUni_Click();
    void cmdPreviewComp_Click();

    // Set from the renderer call of a preview until it returns.
    bool PreviewActive() const { return previewActive_; }
    void SetPreviewActive(bool active) { previewActive_ = active; }
    // A close asked for during an animation waits for it to return.
    bool ClosePending() const { return closePending_; }
    // The largest display mode, or the desktop when no mode is known: where
    // the custom width and height end.
    DisplayLimits CustomSizeLimits() const;

protected:
    // Form_Load.
    void Load() override;
    // Form_Unload.
    void Unloading(bool& cancel) override;

private:
    void WireHandlers();
    void WireBoxesListsAndPreviews();
    void WireMenus();
    void WirePropCopy();
    // The galaxy type shown in galaxy-properties mode, -1 in universe mode.
    int EditedGalaxyType() const;
    void RemoveBlending();
    void SetMinimumSize();
    void SizeWindow();
    void SetListHeights();
    bool LoadSettings(const SettingsReadWatch& reads);
    void EndUnread();
    void SetGalaxyPropsMode(bool on);
    void EnterGalaxyProps(int galaxyType);
    void LeaveGalaxyProps(int galaxyType);
    void ClearCompositeEditor();
    // The selected galaxy type, or -1 when the list selects none of the 50.
    int SelectedGalaxyType() const;
    bool SnapToMinimumSize();
    bool AtMinimumSize() const;
    void LayOut();

    bool galaxyPropsMode_ = false;
    std::int16_t minClientWidth_ = 0;
    std::int16_t minClientHeight_ = 0;
    std::int32_t maxModeWidth_ = 0;
    std::int32_t maxModeHeight_ = 0;
    int animations_ = 0;
    bool closePending_ = false;
    bool previewActive_ = false;
    std::function<void()> unloaded_;
};

// Shows each page of a selector's page array exactly when it is the selected
// one: the selected page is enabled, visible and in front; every other page
// is disabled, hidden and sent to the back.
void ShowSelectedPage(Form& dialog, std::string_view selector, std::string_view pages);

// The configuration run: checks the colour depth (telling the user when it
// is too low), shows the dialog and runs the event loop until it unloads,
// then lets it go. Returns the exit status, 0.
int RunPropertiesDialog();

}  // namespace orbweave
