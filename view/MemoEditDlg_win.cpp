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
    // Opened at the DPI the view was last laid out at.
    const base::DpiScale scale = view.scale;
    labelFont.CreatePointFont(kLabelPointSize, kLabelFace, scale.dpi);
    ScaleEditor(*this, scale);
    const int day = view.activeDay;
    const lunar::LunarDate& date = view.days[day].lunar;
    const HFONT font = labelFont.get();

    CreateEditorRow(dateLabel, DayEditorDateLabel(view, day), kDateLabelId, oneOffButton, kOneOffColourId,
                    notes::NoteColour(oneOffColour, notes::NoteKind::OneOff), notes::NoteKind::OneOff,
                    kColourButtonPointSize, kDateRow, *this, font, scale);
    CreateEditorRow(gregorianLabel, GregorianYearlyLabel(view.month, day), kGregorianLabelId, gregorianButton,
                    kGregorianColourId, notes::NoteColour(gregorianColour, notes::NoteKind::GregorianYearly),
                    notes::NoteKind::GregorianYearly, kColourButtonPointSize, kGregorianRow, *this, font, scale);
    CreateEditorRow(lunarLabel, LunarYearlyLabel(date), kLunarLabelId, lunarButton, kLunarColourId,
                    notes::NoteColour(lunarColour, notes::NoteKind::LunarYearly), notes::NoteKind::LunarYearly,
                    kColourButtonPointSize, kLunarRow, *this, font, scale);
    // Disabled, so the system draws it grey; no line when nothing applies.
    const std::string hint = LunarYearlyHintText(LunarYearlyHintFor(date));
    if (!hint.empty()) {
        const GridRect r = ScaleRect(kLunarHintRect, scale);
        CreateEditorLabel(lunarHint, hint, {r.left, r.top, r.right, r.bottom}, *this, kLunarHintId, font);
        ::EnableWindow(lunarHint.hwnd(), FALSE);
    }
    fw::SetWindowTextOf(hwnd_, DayEditorCaption());
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
