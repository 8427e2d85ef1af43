#include "view/MemoEditDlg.h"

#include "framework/WinApp.h"
#include "resources/resource_ids.h"
#include "view/LunarYearlyHint.h"
#include "view/MonthView.h"
#include "view/NoteEditorParts.h"

namespace view {

namespace {

constexpr int kLabelPointSize = 90;
constexpr char kLabelFace[] = "Arial";
constexpr int kColourButtonPointSize = 120;

// A slot's text as the editor shows it: empty when the slot has none.
std::string TextOf(const notes::NoteSlot& slot) { return slot.Text() ? std::string(slot.Text(), slot.Length()) : ""; }

}  // namespace

CMemoEditDlg::CMemoEditDlg(CMonthView& monthView) : fw::CDialog(IDD_DAY_NOTES, &monthView), view(monthView) {
    const int day = view.activeDay;
    const notes::NoteSlot& oneOff = view.dayNotes.Slot(day);
    const notes::NoteSlot& gregorian = view.gregorianYearlyNotes.Slot(day);
    const notes::NoteSlot& lunar = view.LunarYearlySlot(day);
    oneOffText = TextOf(oneOff);
    oneOffColour = oneOff.ColourWord();
    gregorianText = TextOf(gregorian);
    gregorianColour = gregorian.ColourWord();
    lunarText = TextOf(lunar);
    lunarColour = lunar.ColourWord();
    labelFont.CreatePointFont(kLabelPointSize, kLabelFace);
}

const fw::MessageMap* CMemoEditDlg::GetThisMessageMap() {
    static constexpr fw::MessageEntry entries[] = {
        OnHoverButtonClick<&CMemoEditDlg::OnOneOffColour>(kOneOffColourId),
        OnHoverButtonClick<&CMemoEditDlg::OnGregorianColour>(kGregorianColourId),
        OnHoverButtonClick<&CMemoEditDlg::OnLunarColour>(kLunarColourId),
        fw::OnPaint<&CMemoEditDlg::OnPaint>(),
    };
    static constexpr fw::MessageMap map{&fw::CDialog::GetThisMessageMap, entries};
    return &map;
}

void CMemoEditDlg::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Text(dx, IDC_ONE_OFF_EDIT, oneOffText);
    fw::DDX_Text(dx, IDC_GREGORIAN_EDIT, gregorianText);
    fw::DDX_Text(dx, IDC_LUNAR_EDIT, lunarText);
}

BOOL CMemoEditDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    ScaleToDialogUnit(kEditorPixelsPerDialogUnit);
    const int day = view.activeDay;
    const lunar::LunarDate& date = view.days[day].lunar;

    CreateEditorLabel(dateLabel, DayEditorDateLabel(view, day), {10, 10, 330, 30}, *this, kDateLabelId,
                      labelFont.get());
    CreateColourButton(oneOffButton, {340, 10, 365, 30}, *this, kOneOffColourId,
                       notes::NoteColour(oneOffColour, notes::NoteKind::OneOff), kColourButtonPointSize,
                       notes::NoteKind::OneOff);
    CreateEditorLabel(gregorianLabel, GregorianYearlyLabel(view.month, day), {10, 230, 120, 250}, *this,
                      kGregorianLabelId, labelFont.get());
    CreateColourButton(gregorianButton, {130, 230, 155, 250}, *this, kGregorianColourId,
                       notes::NoteColour(gregorianColour, notes::NoteKind::GregorianYearly), kColourButtonPointSize,
                       notes::NoteKind::GregorianYearly);
    CreateEditorLabel(lunarLabel, LunarYearlyLabel(date), {10, 280, 120, 300}, *this, kLunarLabelId, labelFont.get());
    CreateColourButton(lunarButton, {130, 280, 155, 300}, *this, kLunarColourId,
                       notes::NoteColour(lunarColour, notes::NoteKind::LunarYearly), kColourButtonPointSize,
                       notes::NoteKind::LunarYearly);
    // Disabled, so the system draws it grey; no line when nothing applies.
    const std::string hint = LunarYearlyHintText(LunarYearlyHintFor(date));
    if (!hint.empty()) {
        CreateEditorLabel(lunarHint, hint, {10, 312, 600, 330}, *this, kLunarHintId, labelFont.get());
        ::EnableWindow(lunarHint.hwnd(), FALSE);
    }
    ::SetWindowTextA(hwnd_, DayEditorCaption().c_str());
    // Typing goes straight into the first note.
    ::SetFocus(GetDlgItem(IDC_ONE_OFF_EDIT));
    return FALSE;
}

void CMemoEditDlg::OnOK() {
    UpdateData(true);
    if (!view.ApplyDayNotes(oneOffText, oneOffColour, gregorianText, gregorianColour, lunarText, lunarColour)) {
        fw::MessageBoxFor(hwnd_, kNoteSaveFailedMessage);
        return;
    }
    fw::CDialog::OnOK();
}

void CMemoEditDlg::OnOneOffColour() { ChooseColour(oneOffColour, oneOffButton); }
void CMemoEditDlg::OnGregorianColour() { ChooseColour(gregorianColour, gregorianButton); }
void CMemoEditDlg::OnLunarColour() { ChooseColour(lunarColour, lunarButton); }

void CMemoEditDlg::ChooseColour(std::uint32_t& colour, CHoverButton& button) {
    ChooseNoteColour(*this, DayEditorColours(oneOffColour, gregorianColour, lunarColour), colour, button);
}

void CMemoEditDlg::OnPaint() { const fw::CPaintDC paint(hwnd_); }

}  // namespace view
