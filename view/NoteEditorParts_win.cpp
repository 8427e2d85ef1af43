#include "view/NoteEditorParts.h"

#include "framework/Gdi.h"
#include "base/WideText_win.h"
#include "view/DayAccessibleText.h"

#include <algorithm>

namespace view {

namespace {

constexpr char kColourButtonText[] = "■";
constexpr char kColourButtonFace[] = "楷体_gb2312";

}  // namespace

void ScaleEditor(fw::CDialog& editor, base::DpiScale scale) {
    editor.ScaleToDialogUnit(EditorPixelsPerDialogUnit(scale));
}

int EditorTextWidth(fw::CDialog& editor, const std::string& text, HFONT font) {
    const fw::CClientDC dc(editor.hwnd());
    const fw::SelectGuard selected(dc.get(), font);
    const std::wstring wide = base::Gb18030ToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void CreateEditorRow(fw::CStatic& label, const std::string& text, UINT labelId, CHoverButton& button, UINT buttonId,
                     COLORREF colour, notes::NoteKind kind, int pointSize, const EditorRowDesign& design,
                     fw::CDialog& editor, HFONT font, base::DpiScale scale) {
    const EditorRow row = PlaceEditorRow(design, EditorTextWidth(editor, text, font), scale);
    CreateEditorLabel(label, text, {row.label.left, row.label.top, row.label.right, row.label.bottom}, editor, labelId,
                      font);
    CreateColourButton(button, {row.button.left, row.button.top, row.button.right, row.button.bottom}, editor, buttonId,
                       colour, pointSize, kind);
}

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
