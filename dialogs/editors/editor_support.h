// What the editors of one galaxy type (levels, molecule, user-defined IFS)
// share: what they are handed, how they read their boxes, their help and
// notes, their resizing, and their live preview in picPreview.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "renderer/galaxy/run_context.h"
#include "settings/galaxy_records.h"

namespace orbweave {

class Form;

// What an editor is handed before it shows: the galaxy type it edits and the
// properties dialog whose boxes it reads and writes.
struct EditorParameters {
    std::int16_t galaxyType = 0;
    Form* props = nullptr;
};

// The galaxy type of a launcher call, or nothing outside 0..49.
std::optional<std::int16_t> EditedGalaxyType(int galaxyType);

// A value row's range as the captions write it: "0 - 9999", or "0-9999" with
// the dash "-"; a number of five digits or more is grouped ("30,000").
std::string RangeText(std::int32_t low, std::int32_t high, std::string_view dash = " - ");
// A grid column's two-line header, name over range: "Loc X\n(0-9999):".
std::string ColumnHeading(std::string_view name, std::int32_t low, std::int32_t high);

// Shows an editor modally for one galaxy type of the properties dialog, then
// releases it; nothing for an index outside the galaxy types.
template <typename Editor>
void ShowEditorFor(Form& props, int galaxyType) {
    const auto type = EditedGalaxyType(galaxyType);
    if (!type) return;
    Editor::Instance().FormLet({*type, &props});
    Editor::Instance().ShowModal();
    Editor::Release();
}

// A box's number as the editors read it: "0" put in front of the text (an
// empty box reads 0), then clamped into low..high. Nothing for a missing box
// or a text that is no number, so that the statement using it is skipped.
std::optional<double> BoxNumber(const Form& form, std::string_view name, int index, double low, double high);
std::optional<std::int16_t> BoxInt16(const Form& form, std::string_view name, int index, std::int16_t low,
                                     std::int16_t high);
std::optional<std::int32_t> BoxInt32(const Form& form, std::string_view name, int index, std::int32_t low,
                                     std::int32_t high);

// Sets a field when the box holds a number.
template <typename T>
void TakeBox(T& field, const std::optional<T>& value) {
    if (value) field = *value;
}

// The properties dialog's txtUniGalName.
std::string GalaxyTypeName(const Form& props);

// The galaxy type's record an editor edits.
UniGalaxy& EditedRecord(const EditorParameters& handed);

// The start of every editor's loading: its font, its caption and the preview
// frame's title (each followed by the edited type's name) and its help number.
struct EditorTitles {
    std::string_view captionPrefix;
    std::string_view previewPrefix;
    int helpContext = 0;
};
void LoadEditorTitles(Form& editor, const EditorParameters& handed, const EditorTitles& titles);

// An information box titled "Orbweave".
void ShowNote(std::string_view text);
// The help file at the editor's context number.
void ShowEditorHelp(int context);
// The "Window can be Resized" menu entry.
void WireResizeMenu(Form& editor);
// The editors' font: the system's sans-serif family at the size their
// layouts were made for.
void UseEditorFont(Form& editor);

// Form_Resize of an editor: a client area below the minimum is enlarged to
// it in the direction that was too small; otherwise fraPreview keeps its
// left and top and fills the client area to 5 pixels from the right and 3
// from the bottom, and picPreview fills the frame.
void ResizeEditor(Form& editor, int minClientWidth, int minClientHeight);

// The molecule and IFS editors' txtGalaxy(0..2), radius, rotation and
// distance, each clamped to 0 up to the largest value the record stores:
// their typing filter (digits) and their clamp when they are left.
void BindExtentBoxes(Form& editor);
// The three values into the record.
void GalaxyBoxesToRecord(const Form& editor, UniGalaxy& record);
// The same three values into the properties dialog's txtGalaxy(0..2).
void GalaxyBoxesToProps(const Form& editor, Form& props);

// OK of the molecule and IFS editors: the focused box is committed, then
// store writes the record (or refuses, having said why, and the editor
// stays); the galaxy boxes go to the properties dialog and the editor unloads.
void CommitAndClose(Form& editor, const EditorParameters& handed, const std::function<bool()>& store);

// An editor's live preview. A start copies the galaxy types, stores the
// editor's boxes into the copy of the edited record, locks the editor (only
// cmdPreview, captioned "Stop" and the cancel button, stays usable) and draws
// the galaxy type from the copy in picPreview until StopRequested is set;
// the stored record is never changed, so no way out of the preview can leave
// it edited. Only once the display has unwound is the editor unlocked, so a
// click that arrives meanwhile meets a disabled control and is dropped. A
// Stop click only asks the display to end. A close from the title bar during
// a preview stops it and completes once the display has unwound.
class EditorPreview {
public:
    // idleCaption: cmdPreview's caption when no preview runs. afterUnlock:
    // what the editor re-applies once every control is enabled again.
    explicit EditorPreview(std::string_view idleCaption, std::function<void(Form&)> afterUnlock = {});

    // A click on cmdPreview: a start under the idle caption, else a stop.
    // store writes the boxes into the preview's copy of the record, or
    // refuses (having said why) and nothing starts.
    using Store = std::function<bool(UniGalaxy& record)>;
    void Click(Form& editor, const EditorParameters& handed, const Store& store);

    // The editor's queryUnload: a close during a preview stops it and waits.
    void QueryUnload(bool& cancel);

private:
    void Start(Form& editor, const EditorParameters& handed, const Store& store);
    void Lock(Form& editor);
    void Unlock(Form& editor);
    void RunDisplay(Form& editor, const EditorParameters& handed, GalaxyTypes& types);

    std::string idleCaption_;
    std::function<void(Form&)> afterUnlock_;
    bool active_ = false;
    bool closePending_ = false;
};

// The OK and Preview steps of the editors of one block of the record (the
// molecule editor's atoms, the IFS editor's attractor points). The editor
// builds the block its boxes describe from the stored one, or gives nothing
// after a note saying why; these steps store it, hand the galaxy boxes on and
// run the preview, which draws a copy of the record holding the block and the
// radius, rotation and distance.
template <typename Block>
class BlockEditorSteps {
public:
    struct Traits {
        Block UniGalaxy::*block;
        // Storing also writes the galaxy boxes into the record (otherwise
        // only a preview's copy takes them).
        bool storesExtent;
        std::string_view idleCaption;
    };
    using Builder = std::function<std::optional<Block>(const Block& stored)>;

    BlockEditorSteps(const Traits& traits, Builder build, std::function<void(Form&)> afterUnlock = {})
        : traits_(traits), build_(std::move(build)), preview_(traits.idleCaption, std::move(afterUnlock)) {}

    // OK: a refusal keeps the editor open.
    void Ok(Form& editor, const EditorParameters& handed) const {
        CommitAndClose(editor, handed, [&] { return Store(editor, EditedRecord(handed)); });
    }

    // A click on cmdPreview: a start stores the galaxy boxes and the block
    // into the preview's copy of the record; a click on "Stop" stops.
    void PreviewClick(Form& editor, const EditorParameters& handed) {
        preview_.Click(editor, handed, [&](UniGalaxy& record) {
            GalaxyBoxesToRecord(editor, record);
            return Store(editor, record);
        });
    }

    void QueryUnload(bool& cancel) { preview_.QueryUnload(cancel); }

private:
    // The built block into the record; false, the record untouched, when the
    // editor built none.
    bool Store(const Form& editor, UniGalaxy& record) const {
        const std::optional<Block> built = build_(record.*traits_.block);
        if (!built) return false;
        record.*traits_.block = *built;
        if (traits_.storesExtent) GalaxyBoxesToRecord(editor, record);
        return true;
    }

    Traits traits_;
    Builder build_;
    EditorPreview preview_;
};

}  // namespace orbweave
