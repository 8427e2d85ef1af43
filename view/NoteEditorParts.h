// The pieces the two note editors share: their labels, their colour
// buttons and the colour step behind those buttons.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "view/HoverButton.h"
#include "view/NoteEditorContent.h"
#include "view/NoteEditorLayout.h"

#include <cstdint>
#include <string>

namespace view {

// Told by an editor whose OK could not save; the editor stays open with
// the text, so that the user can try again or copy it.
inline constexpr char kNoteSaveFailedMessage[] = "记事保存失败，请检查磁盘空间和文件夹权限";

// Lays the editor out at `scale`: its template at EditorPixelsPerDialogUnit.
void ScaleEditor(fw::CDialog& editor, base::DpiScale scale);

// The width of `text` in `font`, in client pixels of `editor`.
int EditorTextWidth(fw::CDialog& editor, const std::string& text, HFONT font);

// A label of the editor: a static control with `font`, shown.
void CreateEditorLabel(fw::CStatic& label, const std::string& text, const RECT& rect, fw::CDialog& editor, UINT id,
                       HFONT font);

// A label and its colour button as PlaceEditorRow puts them for the text;
// the button is named for screen readers by the note kind.
void CreateEditorRow(fw::CStatic& label, const std::string& text, UINT labelId, CHoverButton& button, UINT buttonId,
                     COLORREF colour, notes::NoteKind kind, int pointSize, const EditorRowDesign& design,
                     fw::CDialog& editor, HFONT font, base::DpiScale scale);

// A "■" button in the note's colour on the dialog's face colour, named
// for screen readers by its note kind; it fits itself to its text, so only
// the top-left corner of `rect` lasts.
void CreateColourButton(CHoverButton& button, const RECT& rect, fw::CDialog& editor, UINT id, COLORREF colour,
                        int pointSize, notes::NoteKind kind);

// Runs the system's colour chooser, owned by `editor` (so the editor takes
// no input meanwhile), offering `offered` as its custom colours (what the
// user changes there is not kept). On OK the note's colour word becomes the
// chosen colour and `button` shows it; otherwise nothing changes.
void ChooseNoteColour(fw::CDialog& editor, const CustomColourTable& offered, std::uint32_t& colourWord,
                      CHoverButton& button);

}  // namespace view
