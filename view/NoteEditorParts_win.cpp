#include "view/NoteEditorParts.h"

#include "view/DayAccessibleText.h"

#include <algorithm>

namespace view {

namespace {

constexpr char kColourButtonText[] = "■";
constexpr char kColourButtonFace[] = "楷体_gb2312";

}  // namespace

void CreateEditorLabel(fw::CStatic& label, const std::string& text, const RECT& rect, fw::CDialog& editor, UINT id,
                       HFONT font) {
    if (!label.Create(text.c_str(), WS_CHILD, rect, editor.hwnd(), id)) return;
    label.SetFont(font);
    ::ShowWindow(label.hwnd(), SW_SHOW);
}

void CreateColourButton(CHoverButton& button, const RECT& rect, fw::CDialog& editor, UINT id, COLORREF colour,
                        int pointSize, notes::NoteKind kind) {
    if (!button.Create(rect, &editor, id, ::GetSysColor(COLOR_BTNFACE), colour, pointSize, kColourButtonFace)) return;
    button.SetAccessibleName(ColourButtonName(kind));
    button.SetText(kColourButtonText, TRUE);
}

void ChooseNoteColour(fw::CDialog& editor, const CustomColourTable& offered, std::uint32_t& colourWord,
                      CHoverButton& button) {
    fw::CColorDialog chooser(0, 0, editor.hwnd());
    fw::CColorDialog::CustomColours custom;
    std::copy(offered.begin(), offered.end(), custom.begin());
    chooser.SetCustomColors(custom);
    if (chooser.DoModal() != IDOK) return;
    colourWord = ChosenColourWord(chooser.GetColor());
    button.ChangeTextColor(chooser.GetColor());
}

}  // namespace view
