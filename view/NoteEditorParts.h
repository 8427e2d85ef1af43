// The pieces the two note editors share: their labels, their colour
// buttons and the colour step behind those buttons.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "view/HoverButton.h"
#include "view/NoteEditorContent.h"

#include <cstdint>
#include <string>

namespace view {

// The editors place their labels and colour buttons at fixed pixels that
// line up with their templates when a dialog unit is 2.5 pixels; the
// templates are laid out at that scale whatever the font's own units.
inline constexpr double kEditorPixelsPerDialogUnit = 2.5;

// Told by an editor whose OK could not save; the editor stays open with
// the text, so that the user can try again or copy it.
inline constexpr char kNoteSaveFailedMessage[] = "记事保存失败，请检查磁盘空间和文件夹权限";

// A label of the editor: a static control with `font`, shown.
void CreateEditorLabel(fw::CStatic& label, const std::string& text, const RECT& rect, fw::CDialog& editor, UINT id,
                       HFONT font);

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
